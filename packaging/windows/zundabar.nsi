; The Windows installer. make_packages.sh runs makensis with
;   /DVERSION=1.0.0 /DSTAGE=folder-with-the-three-files /DOUTFILE=setup.exe /DICON=zundabar.ico
; and /DWIN64 for the 64-bit game, which gets a 64-bit installer: it runs only where the game does.
!ifdef WIN64
  Target amd64-unicode
!else
  Unicode true
!endif
ManifestSupportedOS all
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zundabar"

Name "Zundabar"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
!ifdef WIN64
  InstallDir "$PROGRAMFILES64\Zundabar"
!else
  InstallDir "$PROGRAMFILES\Zundabar"
!endif
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Zundabar"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Zundabar ${VERSION} setup"
VIAddVersionKey "CompanyName" "The Zundabar developers"
VIAddVersionKey "LegalCopyright" "The Zundabar developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The game is installed for every user of the machine: its shortcut goes into the common Start
; menu, and a 64-bit game's entry into the 64-bit registry, where Windows lists it.
!macro UseMachineWideViews
  SetShellVarContext all
  !ifdef WIN64
    SetRegView 64
  !endif
!macroend

Function .onInit
  !insertmacro UseMachineWideViews
FunctionEnd

Function un.onInit
  !insertmacro UseMachineWideViews
FunctionEnd

Section "Zundabar"
  SetOutPath "$INSTDIR"
  File "${STAGE}/zundabar.exe"
  File "${STAGE}/Music.wav"
  File "${STAGE}/README.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The game plays .\Music.wav from the folder it starts in: the shortcut's working folder is
  ; the current output path, the install folder.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\Zundabar.lnk" "$INSTDIR\zundabar.exe" "" "$INSTDIR\zundabar.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zundabar"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Zundabar developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zundabar.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, for the size that Apps and Features shows.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Only what the installer put there goes: the player's options (HKCU\Software\VB and VBA Program
; Settings\ZNDBR) and display choice (HKCU\Software\Zundabar) stay for a later install, and a
; file the player left in the folder keeps the folder.
Section "Uninstall"
  Delete "$SMPROGRAMS\Zundabar.lnk"
  Delete "$INSTDIR\zundabar.exe"
  Delete "$INSTDIR\Music.wav"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
