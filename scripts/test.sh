#!/usr/bin/env bash
# Installs what is missing, builds the game and every test, and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_deps.sh
cmake --preset default
cmake --build --preset default
ctest --preset default "$@"
