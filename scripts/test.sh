#!/usr/bin/env bash
# Installs what is missing, builds the game and every test, and runs them all. Then builds the
# core, the Windows adapters and their tests for 32-bit Windows and runs them under Wine, with
# the same ctest arguments (a label chosen with -L core or -L windows picks from both). Where the
# machine cannot run 32-bit programs, the 32-bit tests are skipped and run as 64-bit ones.
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
if ! tests/windows/wine_run.sh --runs-32-bit; then
  echo "test.sh: this machine runs no 32-bit programs; the Windows tests run as 64-bit ones" >&2
  cmake --preset win64
  cmake --build --preset win64
  ctest --preset win64 "$@"
fi
echo "test.sh: the Windows builds and their tests took $((SECONDS - windows_start)) s"
