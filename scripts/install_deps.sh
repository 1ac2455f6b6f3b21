#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Zundabar need, if missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-multimedia-dev libfontconfig-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-roboto-unhinted fonts-dejavu-core fonts-dejavu-extra
  xvfb xauth xdotool x11-utils imagemagick python3 sway wtype grim qt6-wayland
  pulseaudio pulseaudio-utils sox gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  desktop-file-utils appstream dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
