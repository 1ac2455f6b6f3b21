#!/usr/bin/env bash
# Checks that no file includes one from a folder above its own. The layers, bottom to top:
#   game/  the rules, free of Qt
#   play/  play control, the music step and the options window's logic, free of Qt
#   design/ what both front-ends share: the windows' designs, free of any toolkit
#   ui/    the Qt front-end: windows, playfield, key events, wave player, the platform stores
#   win32/ the Windows front-end, beside ui/: neither includes the other
#   web/   the browser front-end, beside both: it includes neither
# tools/, bench/, fuzz/, tests/ and main.cpp stand on top and may include any layer.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [game]="game"
  [play]="game play"
  [design]="game play design"
  [ui]="game play design ui"
  [win32]="game play design win32"
  [web]="game play design web"
)

status=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS=: read -r file _ included; do
    top=${included%%/*}
    if [[ " ${allowed[$folder]} " != *" $top "* ]]; then
      echo "layers: $file includes $included, above $folder/" >&2
      status=1
    fi
  done < <(git grep -nE '^#include "[a-z_]+/' -- "$folder" | sed -E 's/^([^:]+):[0-9]+:#include "([^"]+)".*/\1:x:\2/')
  # Only the Qt front-end includes Qt.
  if [ "$folder" != ui ] && git grep -qE '^#include <Q' -- "$folder"; then
    echo "layers: $folder/ includes Qt" >&2
    status=1
  fi
done
exit $status
