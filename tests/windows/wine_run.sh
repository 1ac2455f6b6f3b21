#!/usr/bin/env bash
# Runs a Windows program under Wine in the test run's private prefix (WINEPREFIX):
#   wine_run.sh --make-prefix      makes a fresh prefix (the first step of a test run)
#   wine_run.sh --end              ends the prefix's Wine server (the last step)
#   wine_run.sh PROGRAM.exe ARGS   runs the program there and ends with its status
#   wine_run.sh --runs-32-bit      succeeds when 32-bit Windows programs can run here
# A 64-bit prefix runs 64-bit programs, and 32-bit ones where the 32-bit loader runs. No display
# is used: the test programs are console programs, and Wine must never wait for an X server that
# a test run does not have.
set -euo pipefail

if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine_run.sh: WINEPREFIX names no prefix; the test run sets it" >&2
  exit 2
fi
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
# No prompt to install Mono or Gecko, and no desktop entries for what runs in the prefix.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

# Debian's wine script takes the 32-bit loader whenever wine32 is installed, even on a kernel
# that runs no 32-bit programs (the loader then fails with "Exec format error"). There the
# 64-bit loader is used directly, and only 64-bit Windows programs run.
wine=wine
runs_32_bit=false
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  runs_32_bit=true
elif [ -x /usr/lib/wine/wine64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
  wine=$WINELOADER
fi

case "${1:-}" in
  --make-prefix)
    # A server left running from an earlier run would keep the old prefix in use.
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$wine" wineboot -i
    # wineboot returns before the new registry is written out; the server ends once it is.
    wineserver -w
    ;;
  --runs-32-bit)
    $runs_32_bit
    ;;
  --end)
    wineserver -k 2>/dev/null || true
    ;;
  "")
    echo "usage: wine_run.sh --make-prefix | --end | --runs-32-bit | PROGRAM.exe [ARGS...]" >&2
    exit 2
    ;;
  *)
    exec "$wine" "$@"
    ;;
esac
