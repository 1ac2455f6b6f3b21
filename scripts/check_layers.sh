#!/usr/bin/env bash
# Checks that no file includes one from a folder above its own. The layers, bottom to top:
#   game/  the rules, free of Qt
#   play/  play control, the music step and the options window's logic, free of Qt
#   ui/    the Qt adapters: windows, playfield, key state, wave player, the platform stores
#   win32/ the Windows adapters, beside ui/: the registry store, reports, the wave player
# tools/, bench/, fuzz/, tests/ and main.cpp stand on top and may include any layer.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [game]="game"
  [play]="game play"
  [ui]="game play ui"
  [win32]="game play win32"
)

status=0
for folder in "${!allowed[@]}"; do
  while IFS=: read -r file _ included; do
    top=${included%%/*}
    if [[ " ${allowed[$folder]} " != *" $top "* ]]; then
      echo "layers: $file includes $included, above $folder/" >&2
      status=1
    fi
  done < <(git grep -nE '^#include "[a-z_]+/' -- "$folder" | sed -E 's/^([^:]+):[0-9]+:#include "([^"]+)".*/\1:x:\2/')
  # The two lower layers build without Qt.
  if [ "$folder" != ui ] && git grep -qE '^#include <Q' -- "$folder"; then
    echo "layers: $folder/ includes Qt" >&2
    status=1
  fi
done
exit $status
