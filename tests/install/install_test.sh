#!/usr/bin/env bash
# Installs the game into a temporary prefix and builds its .deb, then checks what a desktop
# expects: a valid desktop entry that names the program in the games folder and whose working
# folder holds the music, a valid AppStream file, the icon at four sizes enlarged pixel for
# pixel, a manual page that renders cleanly, and a package with the same files that Debian's
# lintian passes without an error or a warning.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
for tool in desktop-file-validate appstreamcli cpack dpkg-deb dpkg-parsechangelog compare convert \
  lintian mandoc man; do
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

# The manual page renders without a warning from man (groff) or mandoc, and tells what it must.
page=$share/man/man6/zundabar.6.gz
[ -f "$page" ] || fail "no manual page in section 6"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >"$work/page.txt") ||
  fail "man -l failed: $warnings"
[ -z "$warnings" ] || fail "man -l warns: $warnings"
mandoc -T lint "$page" || fail "mandoc -T lint finds faults in the manual page"
for part in "NAME" "KEYS" "GAME OPTIONS" "DISPLAY" "MUSIC" "FILES" "EXIT STATUS" \
  "ZNDBR.conf" "Zundabar/display.conf" "Music.wav" "Ctrl+Plus"; do
  grep -qF "$part" "$work/page.txt" || fail "the manual page does not tell $part"
done
whatis=$(sed -n '/^NAME/{n;s/^ *//;p}' "$work/page.txt")
echo "manual page: $whatis, $(wc -l <"$work/page.txt") lines"

# The documents Debian looks for, and a changelog whose last entry is this version.
doc=$share/doc/zundabar
[ -f "$doc/copyright" ] || fail "no copyright file"
gzip -dc "$doc/changelog.gz" >"$work/changelog" || fail "no compressed changelog"
version=$(dpkg-parsechangelog -l "$work/changelog" -S Version)

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
[ "$version" = "$(dpkg-deb -f "$deb" Version)" ] ||
  fail "the changelog's last entry is $version, the package $(dpkg-deb -f "$deb" Version)"
dpkg-deb -x "$deb" "$work/unpacked"
for f in usr/games/zundabar usr/lib/zundabar/zundabar_audio.so usr/share/zundabar/Music.wav \
  usr/share/metainfo/org.example.Zundabar.metainfo.xml \
  usr/share/icons/hicolor/256x256/apps/org.example.Zundabar.png usr/share/man/man6/zundabar.6.gz \
  usr/share/doc/zundabar/copyright usr/share/doc/zundabar/changelog.gz; do
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
for lib in libc6 libqt6widgets6 libqt6multimedia6 fonts-dejavu-extra; do
  [[ $depends == *"$lib"* ]] || fail "the package does not depend on $lib"
done
# Without Qt's Wayland platform the game would run on a Wayland desktop only through XWayland.
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] ||
  fail "the package does not recommend qt6-wayland"

# Debian's checker with its default profile; the info tags are shown too but fail nothing.
echo "lintian $(lintian --version | sed 's/^Lintian v//'):"
status=0
lintian --profile debian --display-info --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 ||
  status=$?
grep -v "running with root privileges" "$work/lintian.txt" || echo "(no tags)"
[ "$status" = 0 ] && ! grep -q '^[EW]: ' "$work/lintian.txt" ||
  fail "lintian finds errors or warnings in the package (status $status)"
echo "passed"
