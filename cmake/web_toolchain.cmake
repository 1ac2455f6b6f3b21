# Settings of the Emscripten build (the web preset) that every target shares.

# Debian's Emscripten runs its JavaScript optimiser under the machine's Node at every optimised
# link, and the optimiser's parser (acorn) lies in Debian's own module folder, where that Node
# does not look by itself.
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)

# C++ exceptions are decided once for the web build. The page catches none: the core throws only
# for a control its design lacks, a programming error that nothing could mend, and a throw then
# aborts with its message on the console. So the core and the page are built in Emscripten's
# default, which compiles a throw but no catching, and stay small. The tests and the trace tool
# catch exceptions by design (GoogleTest reports one as a failure; the trace reports a script
# error by one), so they, and GoogleTest, are built and linked with catching on.
set(ZUNDABAR_WEB_CATCHING -fexceptions)

# A program run by Node, as ctest's emulator, rather than in a page: the wasm is compiled before
# it starts (Node 20's own fetch cannot load it by path), the machine's files are its files (the
# tests read assets/), and main's status is the process's.
function(zundabar_node_program target)
  target_compile_options(${target} PRIVATE ${ZUNDABAR_WEB_CATCHING})
  target_link_options(${target} PRIVATE ${ZUNDABAR_WEB_CATCHING} -sENVIRONMENT=node
    -sWASM_ASYNC_COMPILATION=0 -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1)
endfunction()
