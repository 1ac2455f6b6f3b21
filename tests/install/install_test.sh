#!/usr/bin/env bash
# Installs the game into a temporary prefix and builds its .deb, then checks what a desktop
# expects: a valid desktop entry that names the program in the games folder and whose working
# folder holds the music, a valid AppStream file, the icon at four sizes enlarged pixel for
# pixel, and a package with the same files.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
for tool in desktop-file-validate appstreamcli cpack dpkg-deb compare convert; do
  command -v "$tool" >/dev/null || { echo "cannot run: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

# A prefix with a space, which the desktop entry's Exec must quote.
prefix="$work/a prefix/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
entry=$share/applications/org.example.Zundabar.desktop
metainfo=$share/metainfo/org.example.Zundabar.metainfo.xml
[ -x "$prefix/games/zundabar" ] || fail "no game binary in the games folder"
[ ! -e "$prefix/bin" ] || fail "something is installed in bin: $(ls "$prefix/bin")"
echo "desktop-file-validate: $(desktop-file-validate "$entry" 2>&1 || echo failed)"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$metainfo" || fail "the AppStream file is not valid"
grep -qx "Path=$share/zundabar" "$entry" || fail "the entry does not start the game beside its music"
grep -qxF "TryExec=$prefix/games/zundabar" "$entry" || fail "the entry's TryExec is not the program"
grep -qxF "Exec=\"$prefix/games/zundabar\"" "$entry" ||
  fail "the entry's Exec is not the program, quoted: $(grep '^Exec=' "$entry")"
[ -f "$share/zundabar/Music.wav" ] || fail "no music in the data folder"
grep -qx "Categories=Game;ArcadeGame;" "$entry" || fail "wrong categories"

for size in 32 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/org.example.Zundabar.png
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "icon $size has the wrong size"
  # Pixel for pixel: sampling every factor-th pixel gives back the original, and enlarging the
  # original by repetition gives the icon.
  factor=$((size / 32))
  convert "$icon" -sample 32x32 "PNG32:$work/down.png"
  convert "$source/assets/app_icon.png" -sample "${size}x${size}" "PNG32:$work/up.png"
  diff1=$(compare -metric AE "$work/down.png" "$source/assets/app_icon.png" null: 2>&1 || true)
  diff2=$(compare -metric AE "$work/up.png" "$icon" null: 2>&1 || true)
  [ "$diff1" = 0 ] && [ "$diff2" = 0 ] || fail "icon $size is not enlarged pixel for pixel ($diff1, $diff2)"
  echo "icon ${size}x${size}: enlarged $factor times pixel for pixel"
done

(cd "$build" && cpack -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/zundabar_*.deb)
dpkg-deb -x "$deb" "$work/unpacked"
for f in usr/games/zundabar usr/lib/zundabar/zundabar_audio.so usr/share/zundabar/Music.wav \
  usr/share/metainfo/org.example.Zundabar.metainfo.xml \
  usr/share/icons/hicolor/256x256/apps/org.example.Zundabar.png; do
  [ -e "$work/unpacked/$f" ] || fail "the package lacks $f"
done
packaged_entry=$work/unpacked/usr/share/applications/org.example.Zundabar.desktop
grep -qx "Path=/usr/share/zundabar" "$packaged_entry" ||
  fail "the packaged entry does not start the game in /usr/share/zundabar"
grep -qx "Exec=/usr/games/zundabar" "$packaged_entry" &&
  grep -qx "TryExec=/usr/games/zundabar" "$packaged_entry" ||
  fail "the packaged entry does not start /usr/games/zundabar"
depends=$(dpkg-deb -f "$deb" Depends)
echo "package depends: $depends"
for lib in libqt6widgets6 libqt6multimedia6 fonts-dejavu-extra; do
  [[ $depends == *"$lib"* ]] || fail "the package does not depend on $lib"
done
# Without Qt's Wayland platform the game would run on a Wayland desktop only through XWayland.
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] ||
  fail "the package does not recommend qt6-wayland"
echo "passed"
