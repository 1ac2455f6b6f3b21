# Cross-built for Windows: GoogleTest is built from its source with the same compiler, and every
# test program runs under Wine (the toolchain's emulator) in a prefix made fresh for the test run.
set(ZUNDABAR_GOOGLETEST_SOURCE /usr/src/googletest
  CACHE PATH "GoogleTest's source, built for Windows")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${ZUNDABAR_GOOGLETEST_SOURCE} ${CMAKE_CURRENT_BINARY_DIR}/googletest
  EXCLUDE_FROM_ALL)

set(ZUNDABAR_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix)
set(ZUNDABAR_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/wine_run.sh)

add_test(NAME WinePrefix COMMAND ${ZUNDABAR_WINE_RUN} --make-prefix)
add_test(NAME WineServerEnd COMMAND ${ZUNDABAR_WINE_RUN} --end)
# Half a minute where the 32-bit side runs through qemu-user, which fills the 32-bit system folder.
set_tests_properties(WinePrefix PROPERTIES FIXTURES_SETUP WinePrefix TIMEOUT 600)
set_tests_properties(WineServerEnd PROPERTIES FIXTURES_CLEANUP WinePrefix)
set_tests_properties(WinePrefix WineServerEnd PROPERTIES
  LABELS windows ENVIRONMENT WINEPREFIX=${ZUNDABAR_WINE_PREFIX})

# A prefix as Wine makes it for a player, without the fonts Windows keeps: there the windows are
# drawn in the game's stand-in faces.
set(ZUNDABAR_BARE_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine-prefix-bare)
add_test(NAME WineBarePrefix COMMAND ${ZUNDABAR_WINE_RUN} --make-prefix --without-fonts)
add_test(NAME WineBareServerEnd COMMAND ${ZUNDABAR_WINE_RUN} --end)
set_tests_properties(WineBarePrefix PROPERTIES FIXTURES_SETUP WineBarePrefix TIMEOUT 600)
set_tests_properties(WineBareServerEnd PROPERTIES FIXTURES_CLEANUP WineBarePrefix)
set_tests_properties(WineBarePrefix WineBareServerEnd PROPERTIES
  LABELS windows ENVIRONMENT WINEPREFIX=${ZUNDABAR_BARE_WINE_PREFIX})

# One test per program: Wine takes a second or two to start (two or three more for a 32-bit
# program through qemu-user), far longer than any one case.
function(zundabar_add_wine_test target)
  add_test(NAME ${target} COMMAND ${target})
  set_tests_properties(${target} PROPERTIES
    LABELS "windows;${ARGN}"
    FIXTURES_REQUIRED WinePrefix
    ENVIRONMENT WINEPREFIX=${ZUNDABAR_WINE_PREFIX}
    SKIP_RETURN_CODE 77
    TIMEOUT 300)
endfunction()

# A program's tests that need the prefix without Windows' fonts, under a name of their own.
function(zundabar_add_bare_wine_test name target)
  add_test(NAME ${name} COMMAND ${target} ${ARGN})
  set_tests_properties(${name} PROPERTIES
    LABELS windows
    FIXTURES_REQUIRED WineBarePrefix
    ENVIRONMENT WINEPREFIX=${ZUNDABAR_BARE_WINE_PREFIX}
    SKIP_RETURN_CODE 77
    TIMEOUT 300)
endfunction()
