# Built for the browser, the core tests run under Node, ctest's emulator for this build, the way
# the Windows build runs them under Wine. GoogleTest is built from its source with the same
# compiler, with exception catching on as the tests need it.
set(ZUNDABAR_GOOGLETEST_SOURCE /usr/src/googletest
  CACHE PATH "GoogleTest's source, built for WebAssembly")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${ZUNDABAR_GOOGLETEST_SOURCE} ${CMAKE_CURRENT_BINARY_DIR}/googletest
  EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main)
  target_compile_options(${library} PRIVATE ${ZUNDABAR_WEB_CATCHING})
endforeach()
include(GoogleTest)
