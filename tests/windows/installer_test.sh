#!/usr/bin/env bash
# The Windows packages of the stand-in program, in the test run's Wine prefix:
#   installer_test.sh SETUP.exe PACKAGE.zip x86|x64 VERSION
# The zip holds the program, the music and a CRLF read-me. The installer, run silently, puts the
# same files into Program Files, a Start menu shortcut that starts the program in that folder (so
# the music plays) and an Uninstall entry; the silent uninstaller takes all of that away again but
# leaves the player's options and display choice in HKEY_CURRENT_USER.
set -euo pipefail

if [ $# -ne 4 ]; then
  echo "usage: installer_test.sh SETUP.exe PACKAGE.zip x86|x64 VERSION" >&2
  exit 2
fi
setup=$1 zip=$2 arch=$3 version=$4
here=$(cd "$(dirname "$0")" && pwd)
wine_run=$here/wine_run.sh

case "$arch" in
  # A 32-bit program on 64-bit Windows: Program Files (x86) and the 32-bit registry view.
  x86) folder='C:\Program Files (x86)\Zundabar' view=/reg:32 ;;
  x64) folder='C:\Program Files\Zundabar' view=/reg:64 ;;
  *) echo "installer_test.sh: x86 or x64, not $arch" >&2; exit 2 ;;
esac
# The x86 installer, its uninstaller and program are 32-bit, and 64-bit programs of the test
# (start) start them: all of it runs where 32-bit programs run.
if [ "$arch" = x86 ] && [ -z "${ZUNDABAR_32_BIT:-}" ]; then
  if ! how=$("$wine_run" --runs-32-bit); then
    echo "skipped: this machine runs no 32-bit Windows programs under Wine"
    exit 77
  fi
  echo "installer_test: 32-bit programs run $how"
  exec "$here/with_32_bit.sh" "$0" "$@"
fi

failures=0
check() {  # check WHAT COMMAND...: runs the command, counts and names a failure
  local what=$1
  shift
  if ! "$@"; then
    echo "FAILED: $what" >&2
    failures=$((failures + 1))
  fi
}
in_prefix() {  # C:\a\b -> the same file in the prefix
  local path=${1#C:\\}
  printf '%s/drive_c/%s' "$WINEPREFIX" "${path//\\//}"
}
not() { ! "$@"; }
reg() { timeout 60 "$wine_run" reg "$@" "$view" | tr -d '\r'; }
reg_has() {  # reg_has KEY NAME TYPE VALUE
  reg query "$1" /v "$2" | grep -qxF "    $2    $3    $4"
}
wait_for() {  # wait_for SECONDS COMMAND...: polls twice a second
  local tries=$(($1 * 2))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.5
  done
}

work=$(mktemp -d "${TMPDIR:-/tmp}/zundabar-installer-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
install_dir=$(in_prefix "$folder")
shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Zundabar.lnk'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zundabar'
options_key='HKCU\Software\VB and VBA Program Settings\ZNDBR\Settings'
display_key='HKCU\Software\Zundabar'

# The zip: exactly the three files, and a read-me that Notepad shows line by line.
unzip -q "$zip" -d "$work/zip"
check "the zip holds zundabar.exe, Music.wav and README.txt only" \
  test "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "Music.wav README.txt zundabar.exe "
check "every line of README.txt ends in CRLF" not grep -qv $'\r$' "$work/zip/README.txt"
check "README.txt names the options' registry key" grep -qF \
  'HKEY_CURRENT_USER\Software\VB and VBA Program Settings\ZNDBR\Settings' "$work/zip/README.txt"

# The player's options and display choice, from an earlier install.
reg add "$options_key" /v Jump /t REG_SZ /d 7 /f >/dev/null
reg add "$display_key" /v Zoom /t REG_SZ /d 2 /f >/dev/null

timeout 120 "$wine_run" "$setup" /S
for file in zundabar.exe Music.wav README.txt; do
  check "$file is installed as packed in the zip" cmp -s "$work/zip/$file" "$install_dir/$file"
done
check "the uninstaller is installed" test -f "$install_dir/Uninstall.exe"

"$here/read_shortcut.py" "$(in_prefix "$shortcut")" > "$work/shortcut.txt"
check "the shortcut starts the installed program in the install folder" \
  diff <(printf 'target=%s\\zundabar.exe\nfolder=%s\n' "$folder" "$folder") "$work/shortcut.txt"

# Started from its shortcut, as the Start menu does, the program reports where it runs.
# start /wait returns once the shortcut is resolved, before the program has ended.
export ZUNDABAR_STAND_IN_REPORT="Z:${work//\//\\}\\report.txt"
timeout 60 "$wine_run" start /wait "$shortcut"
check "the program started from the shortcut reports" wait_for 30 grep -qs '^music=' "$work/report.txt"
check "the program started from the shortcut runs in the install folder and finds Music.wav" \
  diff <(printf 'folder=%s\nmusic=found\n' "$folder") "$work/report.txt"

for entry in "DisplayName REG_SZ Zundabar" "DisplayVersion REG_SZ $version" \
    "Publisher REG_SZ The Zundabar developers" "DisplayIcon REG_SZ $folder\\zundabar.exe,0" \
    "UninstallString REG_SZ \"$folder\\Uninstall.exe\"" \
    "QuietUninstallString REG_SZ \"$folder\\Uninstall.exe\" /S" \
    "InstallLocation REG_SZ $folder" "NoModify REG_DWORD 0x1" "NoRepair REG_DWORD 0x1"; do
  read -r name type value <<< "$entry"
  check "the Uninstall entry has $name $value" reg_has "$uninstall_key" "$name" "$type" "$value"
done

# The uninstaller copies itself to a temporary folder and ends; the copy does the work.
timeout 60 "$wine_run" "$folder\\Uninstall.exe" /S
check "uninstalling removes the install folder" wait_for 60 test ! -e "$install_dir"
check "uninstalling removes the shortcut" test ! -e "$(in_prefix "$shortcut")"
check "uninstalling removes the Uninstall entry" not reg query "$uninstall_key" 2>/dev/null
check "uninstalling keeps the player's options" reg_has "$options_key" Jump REG_SZ 7
check "uninstalling keeps the display choice" reg_has "$display_key" Zoom REG_SZ 2

if [ "$failures" -ne 0 ]; then
  echo "installer_test: $failures checks failed" >&2
  exit 1
fi
echo "installer_test: the zip, the silent install, the shortcut and the silent uninstall are right"
