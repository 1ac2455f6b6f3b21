#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it beside its music.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_deps.sh
cmake --preset default
cmake --build --preset default --target zundabar
# The game plays Music.wav from the current directory; the build folder holds a copy.
cd build
exec ./zundabar
