# The Windows packages: a zip to unpack and play anywhere, and an NSIS installer, both made by
# `cmake --build BUILD --target package` into the build folder. A 32-bit build makes
# zundabar-VERSION-windows-x86.zip and zundabar-VERSION-setup.exe (a 32-bit installer into
# Program Files (x86) on 64-bit Windows); a 64-bit build zundabar-VERSION-windows-x64.zip and
# zundabar-VERSION-x64-setup.exe (a 64-bit installer into Program Files).
find_program(ZUNDABAR_MAKENSIS makensis)
find_program(ZUNDABAR_ZIP zip)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ZUNDABAR_WINDOWS_ARCH x64)
  set(ZUNDABAR_SETUP_NAME zundabar-${PROJECT_VERSION}-x64-setup.exe)
else()
  set(ZUNDABAR_WINDOWS_ARCH x86)
  set(ZUNDABAR_SETUP_NAME zundabar-${PROJECT_VERSION}-setup.exe)
endif()
set(ZUNDABAR_ZIP_NAME zundabar-${PROJECT_VERSION}-windows-${ZUNDABAR_WINDOWS_ARCH}.zip)

# Adds the target NAME that packs the program of EXE_TARGET (as zundabar.exe) into OUT_DIR.
# ALL builds it with everything else.
function(zundabar_add_windows_packages name exe_target out_dir)
  cmake_parse_arguments(PARSE_ARGV 3 arg "ALL" "" "")
  if(NOT ZUNDABAR_MAKENSIS OR NOT ZUNDABAR_ZIP)
    message(FATAL_ERROR "The Windows packages need makensis and zip (Debian: nsis, zip)")
  endif()
  set(script ${PROJECT_SOURCE_DIR}/packaging/windows/make_packages.sh)
  set(zip ${out_dir}/${ZUNDABAR_ZIP_NAME})
  set(setup ${out_dir}/${ZUNDABAR_SETUP_NAME})
  add_custom_command(OUTPUT ${zip} ${setup}
    COMMAND ${script} $<TARGET_FILE:${exe_target}> ${PROJECT_VERSION} ${ZUNDABAR_WINDOWS_ARCH}
            ${zip} ${setup}
    DEPENDS ${exe_target} ${script}
            ${PROJECT_SOURCE_DIR}/packaging/windows/zundabar.nsi
            ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt
            ${PROJECT_SOURCE_DIR}/assets/Music.wav
            ${PROJECT_SOURCE_DIR}/assets/icons/zundabar.ico
    COMMENT "Packing ${exe_target} into ${ZUNDABAR_ZIP_NAME} and ${ZUNDABAR_SETUP_NAME}"
    VERBATIM)
  if(arg_ALL)
    add_custom_target(${name} ALL DEPENDS ${zip} ${setup})
  else()
    add_custom_target(${name} DEPENDS ${zip} ${setup})
  endif()
endfunction()

# The game's program may be defined anywhere in the tree, so `package` is settled once the
# whole project has been read. Without the program it says so and makes nothing.
function(zundabar_add_package_target)
  if(CPack_CMake_INCLUDED)
    message(FATAL_ERROR "CPack, included for Windows, would take the name of the package target "
                        "that makes the zip and the installer")
  elseif(TARGET zundabar)
    zundabar_add_windows_packages(package zundabar ${PROJECT_BINARY_DIR})
  else()
    add_custom_target(package
      COMMAND ${CMAKE_COMMAND} -E echo "This build has no game program (target zundabar): nothing to package"
      VERBATIM)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL zundabar_add_package_target)
