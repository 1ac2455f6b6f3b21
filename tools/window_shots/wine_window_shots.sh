#!/usr/bin/env bash
# Pictures of the Windows game's windows, for comparing two builds pixel by pixel:
#   wine_window_shots.sh SHOTS.EXE FOLDER [ZOOM...]
# runs the Windows shots tool (zundabar_window_shots of a win32 or win64 build, or one built
# against another checkout by tools/window_shots/win32_against) under Wine, in a fresh prefix of
# its own with the fonts Windows has, on a private X server large enough for the largest zoom,
# and leaves FOLDER/{start,play,options,about}-ZOOMx.png. Compare two folders with
#   compare -metric AE a/play-1x.png b/play-1x.png null:
# ZUNDABAR_SHOTS_DISPLAY=:N takes that display number for the X server instead of a free one;
# ZUNDABAR_SHOTS_DPI=144 (or any other) shoots the windows as a screen of that resolution shows
# them, 96 by default.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: wine_window_shots.sh SHOTS.EXE FOLDER [ZOOM...]" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
wine_tests=$here/../../tests/windows
exe=$(realpath "$1")
mkdir -p "$2"
folder=$(realpath "$2")
shift 2

# A 32-bit tool runs where 32-bit programs run, through qemu-user on a kernel that runs none.
if file -b "$exe" | grep -q '^PE32 ' && [ -z "${ZUNDABAR_32_BIT:-}" ]; then
  "$wine_tests/wine_run.sh" --runs-32-bit >/dev/null ||
    { echo "wine_window_shots: this machine cannot run 32-bit Windows programs" >&2; exit 1; }
  exec "$wine_tests/with_32_bit.sh" "$0" "$exe" "$folder" "$@"
fi

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
wine=wine
if [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
  export WINELOADER=$wine
fi
xvfb_pid=""
cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

"$wine_tests/wine_run.sh" --make-prefix >/dev/null 2>&1
if [ -n "${ZUNDABAR_SHOTS_DPI:-}" ]; then
  (unset DISPLAY; "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$ZUNDABAR_SHOTS_DPI" /f) >/dev/null 2>&1
  wineserver -w
fi

# The main window at 3x is about 1500 pixels square with its frame.
screen=2560x2048x24
if [ -n "${ZUNDABAR_SHOTS_DISPLAY:-}" ]; then
  Xvfb "$ZUNDABAR_SHOTS_DISPLAY" -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  display=$ZUNDABAR_SHOTS_DISPLAY
  for ((i = 0; i < 50; i++)); do
    xdpyinfo -display "$display" >/dev/null 2>&1 && break
    sleep 0.1
  done
else
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for ((i = 0; i < 50; i++)); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  display=:$(head -1 "$work/display")
fi
export DISPLAY=$display
xdpyinfo >/dev/null 2>&1 || { echo "wine_window_shots: no X server on $DISPLAY" >&2; exit 1; }

# The tool writes into the folder it is started in.
mkdir "$work/shots"
(cd "$work/shots" && "$wine" "$exe" . "$@")
for bmp in "$work"/shots/*.bmp; do
  convert "$bmp" "$folder/$(basename "${bmp%.bmp}").png"
done
echo "wine_window_shots: $(find "$folder" -name '*.png' | wc -l) pictures in $folder"
