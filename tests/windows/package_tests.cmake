# The Windows packages, made from a stand-in for the game's program so that they can be tested
# in any Windows build, installed and uninstalled in the test run's Wine prefix.
add_executable(zundabar_stand_in_game WIN32 stand_in_game.cpp)

set(stand_in_packages ${CMAKE_CURRENT_BINARY_DIR}/stand_in_packages)
zundabar_add_windows_packages(zundabar_stand_in_packages zundabar_stand_in_game
  ${stand_in_packages} ALL)

add_test(NAME WindowsInstaller
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/installer_test.sh
          ${stand_in_packages}/${ZUNDABAR_SETUP_NAME} ${stand_in_packages}/${ZUNDABAR_ZIP_NAME}
          ${ZUNDABAR_WINDOWS_ARCH} ${PROJECT_VERSION})
set_tests_properties(WindowsInstaller PROPERTIES
  LABELS windows
  FIXTURES_REQUIRED WinePrefix
  ENVIRONMENT WINEPREFIX=${ZUNDABAR_WINE_PREFIX}
  SKIP_RETURN_CODE 77
  TIMEOUT 600)
