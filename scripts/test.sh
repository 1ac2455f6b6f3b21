#!/usr/bin/env bash
# Installs what is missing, builds the game and every test, and runs them all. Then builds the
# browser game, the core and their tests in WebAssembly and runs them under Node and in headless
# Chromium; then the core, the Windows adapters, the game and their tests for 32-bit and for
# 64-bit Windows, run under Wine; each with the same ctest arguments (a label chosen with -L core,
# -L web or -L windows picks from all four). Where the kernel runs no 32-bit programs, the 32-bit ones run through
# qemu-user (tests/windows/with_32_bit.sh). The 64-bit run is the only one of the 64-bit game and
# its zip and installer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default "$@"

web_start=$SECONDS
cmake --preset web
cmake --build --preset web
ctest --preset web "$@"
echo "test.sh: the browser build and its tests took $((SECONDS - web_start)) s"

windows_start=$SECONDS
cmake --preset win32
cmake --build --preset win32
ctest --preset win32 "$@"
cmake --preset win64
cmake --build --preset win64
ctest --preset win64 "$@"
echo "test.sh: the Windows builds and their tests took $((SECONDS - windows_start)) s"
