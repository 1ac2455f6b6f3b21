#!/usr/bin/env bash
# Runs a Windows program under Wine in the test run's private prefix (WINEPREFIX):
#   wine_run.sh --make-prefix      makes a fresh prefix (the first step of a test run), with the
#                                  fonts Windows keeps in its Fonts folder
#   wine_run.sh --make-prefix --without-fonts
#                                  makes one as Wine makes it for a player, without them
#   wine_run.sh --end              ends the prefix's Wine server (the last step)
#   wine_run.sh --runs-32-bit      succeeds when this machine can run 32-bit Windows programs,
#                                  and prints how: natively or through qemu-user
#   wine_run.sh PROGRAM.exe ARGS   runs the program there and ends with its status, or with 77
#                                  (skipped) for a 32-bit program that this machine cannot run
# A 64-bit prefix runs both 32- and 64-bit programs. No display is used: the test programs are
# console programs, and Wine must never wait for an X server that a test run does not have; their
# windows are made on Wine's null driver.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
readonly wine32_loader=/usr/lib/wine/wine
readonly wine64_loader=/usr/lib/wine/wine64

# Wine's 32-bit side runs only where wine32 is installed and the machine runs 32-bit x86
# programs, natively or, where the kernel runs none (some virtual machines), through qemu-user.
runs_32_bit() {
  local how
  how=$("$here/with_32_bit.sh" --how 2>/dev/null) &&
    "$here/with_32_bit.sh" "$wine32_loader" --version >/dev/null 2>&1 &&
    echo "$how"
}

if [ "${1:-}" = --runs-32-bit ]; then
  runs_32_bit && exit 0
  exit 1
fi

if [ -z "${WINEPREFIX:-}" ]; then
  echo "wine_run.sh: WINEPREFIX names no prefix; the test run sets it" >&2
  exit 2
fi
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all
# No prompt to install Mono or Gecko, and no desktop entries for what runs in the prefix.
export WINEDLLOVERRIDES="mscoree=d;mshtml=d;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY

# The wine command starts the 32-bit loader whenever wine32 is installed, which hands 64-bit
# programs on to the 64-bit one: under qemu-user that alone takes seconds. The 64-bit loader is
# started directly, and starts the 32-bit one for 32-bit programs (named by WINELOADER less its
# "64").
wine=(wine)
if [ -x "$wine64_loader" ]; then
  export WINELOADER=$wine64_loader
  wine=("$wine64_loader")
fi

case "${1:-}" in
  --make-prefix)
    # A server left running from an earlier run would keep the old prefix in use.
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Where 32-bit programs run, wineboot fills the prefix's 32-bit system folder too.
    if runs_32_bit >/dev/null; then
      "$here/with_32_bit.sh" "${wine[@]}" wineboot -i
    else
      "${wine[@]}" wineboot -i
    fi
    if [ "${2:-}" != --without-fonts ]; then
      # Windows are made on X11 where there is a display and otherwise on Wine's null driver,
      # where the test programs, which have no display, can still make and drive real windows.
      "${wine[@]}" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null /f >/dev/null
    fi
    # wineboot returns before the new registry is written out; the server ends once it is.
    wineserver -w
    [ "${2:-}" = --without-fonts ] && exit 0
    # Windows keeps MS Sans Serif and Marlett in its Fonts folder. Debian's Wine does not find
    # the copies that fonts-wine installs, so the prefix gets them where Windows has them.
    fonts=$WINEPREFIX/drive_c/windows/Fonts
    for font in /usr/share/wine/fonts/*; do
      [ -e "$font" ] && [ ! -e "$fonts/$(basename "$font")" ] && ln -s "$font" "$fonts/"
    done
    true
    ;;
  --end)
    wineserver -k 2>/dev/null || true
    ;;
  "")
    echo "usage: wine_run.sh --make-prefix | --end | --runs-32-bit | PROGRAM.exe [ARGS...]" >&2
    exit 2
    ;;
  *)
    if file -b "$1" | grep -q '^PE32 '; then
      if ! runs_32_bit >/dev/null; then
        echo "wine_run.sh: skipped: this machine cannot run 32-bit Windows programs" \
          "(no wine32, or a kernel without 32-bit x86 programs and no qemu-user)" >&2
        exit 77
      fi
      exec "$here/with_32_bit.sh" "${wine[@]}" "$@"
    fi
    exec "${wine[@]}" "$@"
    ;;
esac
