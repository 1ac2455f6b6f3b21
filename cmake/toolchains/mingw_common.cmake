# What both Windows toolchains share; the including file sets ZUNDABAR_MINGW_HOST first.
# The -posix compilers give std::thread and std::mutex; their runtime (libgcc, libstdc++,
# winpthread) is linked into each program, so a program needs only the DLLs of Windows itself.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${ZUNDABAR_MINGW_HOST}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZUNDABAR_MINGW_HOST}-g++-posix)
set(CMAKE_RC_COMPILER ${ZUNDABAR_MINGW_HOST}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZUNDABAR_MINGW_HOST})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)

# Test programs run under Wine, in the private prefix that the test run makes.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../tests/windows/wine_run.sh)
