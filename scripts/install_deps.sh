#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Zundabar need, if missing
# (lintian, mandoc and man-db check the .deb and its manual page), and what the Windows builds
# need: the MinGW-w64 cross compilers, Wine (32- and 64-bit) to run their tests (through
# qemu-user where the kernel runs no 32-bit programs), NSIS for the installer, and GoogleTest's
# source to build it for Windows.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-roboto-unhinted fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth xdotool x11-utils imagemagick python3 sway wtype grim qt6-wayland
  pulseaudio pulseaudio-utils sox gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  desktop-file-utils appstream dpkg-dev file lintian mandoc man-db
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest nsis
  wine wine64 fonts-wine libc6:i386
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# The i386 packages need the architecture known to dpkg before apt can find them.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  # A mirror in the middle of a sync can fail one index; the install below still fails loudly
  # when a package it needs cannot be found.
  "${sudo_cmd[@]}" apt-get update -qq || echo "install_deps: apt-get update reported errors" >&2
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

install_missing "${packages[@]}"

# Wine's 32-bit side runs where 32-bit x86 programs run. A kernel that runs none (some virtual
# machines) runs them through qemu-user in the tests' private namespace (with_32_bit.sh); there
# the wine command, which always starts the 32-bit loader once wine32 is installed, works only
# inside that namespace, and the 64-bit loader is started directly outside it.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  install_missing qemu-user
fi
if "$(dirname "$0")/../tests/windows/with_32_bit.sh" --how >/dev/null 2>&1; then
  # A mirror whose i386 half lags behind its amd64 half cannot install it; the 32-bit tests are
  # then skipped, each saying so, and everything else still runs.
  install_missing wine32:i386 ||
    echo "install_deps: wine32 could not be installed; the 32-bit Windows tests will be skipped" >&2
elif ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "ok installed"; then
  echo "install_deps: this machine runs no 32-bit programs, not even through qemu-user" \
    "(user namespaces may be off); wine32 is left out" >&2
fi
