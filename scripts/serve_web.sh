#!/usr/bin/env bash
# Builds the browser game into build-web/ and serves that folder on 127.0.0.1 with Python's own
# web server, printing the address to open. Usage: scripts/serve_web.sh [PORT] (8000 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8000}
scripts/install_deps.sh
# The pictures are decoded by the Linux build's tool.
cmake --preset default >/dev/null
cmake --build --preset default --target zundabar_bake_pictures
cmake --preset web >/dev/null
cmake --build --preset web --target zundabar_web
echo "Zundabar: open http://127.0.0.1:$port/ in a browser (Ctrl+C stops the server)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web
