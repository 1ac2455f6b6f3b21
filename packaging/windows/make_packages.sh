#!/usr/bin/env bash
# Makes the Windows packages of one game program: a zip to unpack and play anywhere, and an
# NSIS installer.
#   make_packages.sh EXE VERSION ARCH ZIP SETUP
# EXE is the built program (any name: it is packed as zundabar.exe), ARCH x86 or x64, ZIP and
# SETUP the packages to make.
set -euo pipefail

if [ $# -ne 5 ]; then
  echo "usage: make_packages.sh EXE VERSION x86|x64 ZIP SETUP" >&2
  exit 2
fi
exe=$1 version=$2 arch=$3 zip=$(realpath -m "$4") setup=$(realpath -m "$5")
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)

case "$arch" in
  x86) win64=() strip=i686-w64-mingw32-strip ;;
  x64) win64=(-DWIN64) strip=x86_64-w64-mingw32-strip ;;
  *) echo "make_packages.sh: ARCH is x86 or x64, not $arch" >&2; exit 2 ;;
esac

stage=$(mktemp -d "${TMPDIR:-/tmp}/zundabar-package.XXXXXX")
trap 'rm -rf "$stage"' EXIT
# The build keeps its debugging information; the player's copy goes without it.
if command -v "$strip" >/dev/null; then
  "$strip" -o "$stage/zundabar.exe" "$exe"
else
  cp "$exe" "$stage/zundabar.exe"
fi
cp "$source_dir/assets/Music.wav" "$stage/Music.wav"
# Notepad before Windows 10 shows a read-me with bare line feeds as one line.
sed 's/\r*$/\r/' "$here/README.txt" > "$stage/README.txt"

# -X leaves out Unix owners and permissions, which mean nothing on Windows.
mkdir -p "$(dirname "$zip")" "$(dirname "$setup")"
rm -f "$zip"
(cd "$stage" && zip -q -X -9 "$zip.tmp" zundabar.exe Music.wav README.txt)
mv "$zip.tmp" "$zip"

rm -f "$setup"
makensis -V2 -NOCD -INPUTCHARSET UTF8 \
  "-DVERSION=$version" "-DSTAGE=$stage" "-DOUTFILE=$setup.tmp" \
  "-DICON=$source_dir/assets/icons/zundabar.ico" "${win64[@]}" \
  "$here/zundabar.nsi"
mv "$setup.tmp" "$setup"
