#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Zundabar need, if missing,
# and what the Windows builds need: the MinGW-w64 cross compilers, Wine (32- and 64-bit) to run
# their tests, NSIS for the installer, and GoogleTest's source to build it for Windows.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-roboto-unhinted fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth xdotool x11-utils imagemagick python3 sway wtype grim qt6-wayland
  pulseaudio pulseaudio-utils sox gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  desktop-file-utils appstream dpkg-dev file
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest nsis
  wine wine64 wine32:i386 fonts-wine
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# wine32 is an i386 package: the architecture must be known to dpkg before apt can find it.
need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  need_update=1
fi
# A mirror in the middle of a sync can fail one index; the install below still fails loudly when
# a package it needs cannot be found.
if ((need_update)); then
  "${sudo_cmd[@]}" apt-get update -qq || echo "install_deps: apt-get update reported errors" >&2
fi
if ((${#missing[@]})); then
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
