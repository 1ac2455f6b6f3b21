#!/usr/bin/env bash
# Installs what is missing, builds the game and every test, and runs them all. Then builds the
# core, the Windows adapters and their tests for 32-bit Windows and runs them under Wine, with
# the same ctest arguments (a label chosen with -L core or -L windows picks from both).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default "$@"

windows_start=$SECONDS
cmake --preset win32
cmake --build --preset win32
ctest --preset win32 "$@"
echo "test.sh: the 32-bit Windows build and its tests took $((SECONDS - windows_start)) s"
