#!/usr/bin/env bash
# Builds the game and soaks it under Xvfb with random keys for SECONDS (60 by default).
# Usage: scripts/soak.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install_deps.sh >&2
cmake --preset default >&2
cmake --build --preset default --target zundabar >&2
tests/e2e/soak_test.sh "$PWD/build/zundabar" "$PWD/assets/Music.wav" "${1:-60}"
