#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Zundabar need, if missing
# (lintian, mandoc and man-db check the .deb and its manual page), and what the Windows builds
# need: the MinGW-w64 cross compilers, Wine (32- and 64-bit) to run their tests (through
# qemu-user where the kernel runs no 32-bit programs), NSIS for the installer, and GoogleTest's
# source to build it for Windows; and what the browser build needs: Emscripten, Chromium, Node
# and npm, fonttools to make the web font, and the npm packages of its tests, as their lock file
# pins them.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev libsdl2-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-roboto-unhinted fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth xdotool x11-utils imagemagick python3 sway wtype grim qt6-wayland
  pulseaudio pulseaudio-utils sox gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  desktop-file-utils appstream dpkg-dev file lintian mandoc man-db
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest nsis
  wine wine64 fonts-wine
  emscripten chromium python3-fonttools python3-brotli
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
# shellcheck source=scripts/lib/install_i386.sh
source "$(dirname "$0")/lib/install_i386.sh"
trap i386_clean_up EXIT

# The i386 packages need the architecture known to dpkg before apt can find them.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

install_missing() {
  local missing=() p
  for p in "$@"; do
    installed "$p" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  # A mirror in the middle of a sync can fail one index; the install below still fails loudly
  # when a package it needs cannot be found. Other sessions may be installing at the same time:
  # apt waits for them. It never removes a package to make room: it fails instead.
  "${sudo_cmd[@]}" apt-get update -qq -o DPkg::Lock::Timeout=600 ||
    echo "install_deps: apt-get update reported errors" >&2
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    --no-remove -o DPkg::Lock::Timeout=600 "${missing[@]}"
}

install_missing "${packages[@]}"

# Node and npm: a Node of another source (NodeSource's brings its own npm) is kept, as Debian's
# npm would have apt replace it.
command -v node >/dev/null || install_missing nodejs
command -v npm >/dev/null || install_missing npm
# The browser tests' driver, exactly as locked; it drives Debian's Chromium and downloads no
# browser of its own.
web_tests="$(dirname "$0")/../tests/web"
if ! cmp -s "$web_tests/package-lock.json" "$web_tests/node_modules/.installed-lock.json"; then
  (cd "$web_tests" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error &&
    cp package-lock.json node_modules/.installed-lock.json)
fi

# The i386 packages go their own way (lib/install_i386.sh), which says on stderr which way it
# took; where none works the 32-bit tests are skipped, each saying so, and everything else
# still runs.
if ! installed libc6:i386 && ! install_i386 libc6:i386; then
  echo "install_deps: libc6:i386 could not be installed ($i386_failure), and no 32-bit program" \
    "runs without it; the 32-bit Windows tests will be skipped" >&2
else
  # Wine's 32-bit side runs where 32-bit x86 programs run. A kernel that runs none (some virtual
  # machines) runs them through qemu-user in the tests' private namespace (with_32_bit.sh);
  # there the wine command, which always starts the 32-bit loader once wine32 is installed,
  # works only inside that namespace, and the 64-bit loader is started directly outside it.
  if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    install_missing qemu-user
  fi
  if installed wine32:i386; then
    :
  elif "$(dirname "$0")/../tests/windows/with_32_bit.sh" --how >/dev/null 2>&1; then
    install_i386 wine32:i386 ||
      echo "install_deps: wine32 could not be installed ($i386_failure); the 32-bit Windows" \
        "tests will be skipped" >&2
  else
    echo "install_deps: this machine runs no 32-bit programs, not even through qemu-user" \
      "(user namespaces may be off); wine32 is left out" >&2
  fi
fi
