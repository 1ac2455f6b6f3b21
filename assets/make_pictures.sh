#!/usr/bin/env bash
# Draws the game's pictures with ImageMagick, as palette PNGs. The results are committed; run
# this only to change them. The build decodes them into the program (tools/bake_pictures), so
# that start-up reads no picture file and loads no image plugin. Antialiasing is off so that every colour stays exact (the labels blend into the sky and
# the grass only when those are exactly RGB(0,153,255) and RGB(0,255,102)).
set -euo pipefail
cd "$(dirname "$0")"

sky='rgb(0,153,255)'
grass='rgb(0,255,102)'
brown='rgb(153,102,0)'

# The landscape: sky over the upper two thirds with one thin streak of cloud right of the
# centre, rolling green hills below, a yellow flower with a red centre at the lower left.
convert -size 475x450 "xc:$sky" +antialias \
  -fill white -draw "ellipse 330,95 70,3 0,360" \
  -fill "$grass" \
  -draw "ellipse 70,330 160,40 180,360" -draw "ellipse 290,315 170,30 180,360" \
  -draw "ellipse 450,335 120,45 180,360" -draw "rectangle 0,310 474,449" \
  -fill 'rgb(0,100,0)' -draw "rectangle 38,392 40,432" -draw "ellipse 47,412 6,3 0,360" \
  -fill 'rgb(255,255,0)' -draw "circle 39,385 39,377" \
  -fill 'rgb(255,0,0)' -draw "circle 39,385 39,382" \
  -type Palette -colors 256 PNG8:landscape.png

# The monkey, upright with one arm raised; the head-down pose is the same picture flipped.
monkey=(-size 32x32 xc:none +antialias -stroke "$brown" -fill "$brown" -strokewidth 2
  -draw "circle 16,6 16,2"
  -draw "line 16,10 16,20"
  -draw "line 16,13 10,18" -draw "line 16,13 23,4"
  -draw "line 16,20 11,30" -draw "line 16,20 21,30"
  -fill none -draw "bezier 16,20 26,22 26,14 28,12")
convert "${monkey[@]}" player_up.png
convert "${monkey[@]}" -flip player_down.png

# A white rounded cloud on a rectangle of sky.
convert -size 117x54 "xc:$sky" +antialias -fill white \
  -draw "circle 30,34 30,18" -draw "circle 58,24 58,4" -draw "circle 86,33 86,15" \
  -draw "roundrectangle 14,28 104,49 10,10" \
  -type Palette PNG8:cloud.png

# A pale yellow crate tile with a large black five.
convert -size 16x16 'xc:rgb(255,255,153)' +antialias -fill black \
  -draw "rectangle 4,2 11,3" -draw "rectangle 4,2 5,8" -draw "rectangle 4,7 10,8" \
  -draw "rectangle 10,8 11,12" -draw "rectangle 4,12 10,13" \
  -type Palette PNG8:crate.png

# The credit banner: a hand-lettered line in white on blue, as a 24-bit bitmap.
convert -size 165x28 'xc:rgb(0,0,255)' +antialias -fill white -font DejaVu-Sans-Oblique \
  -pointsize 12 -gravity center -annotate +0+0 'by the Zundabar team' \
  -type TrueColor BMP3:credit_banner.bmp

# The application icon: two monkeys side by side among short blue dashes.
convert -size 32x32 xc:none +antialias -stroke "$brown" -fill "$brown" -strokewidth 1 \
  -draw "circle 9,8 9,5" -draw "line 9,11 9,20" -draw "line 9,13 4,17" -draw "line 9,13 14,7" \
  -draw "line 9,20 6,28" -draw "line 9,20 12,28" \
  -draw "circle 23,8 23,5" -draw "line 23,11 23,20" -draw "line 23,13 18,7" \
  -draw "line 23,13 28,17" -draw "line 23,20 20,28" -draw "line 23,20 26,28" \
  -stroke 'rgb(0,0,255)' -draw "line 1,2 3,2" -draw "line 28,1 30,1" -draw "line 15,2 17,2" \
  -draw "line 0,24 0,26" -draw "line 31,22 31,24" -draw "line 14,30 17,30" \
  app_icon.png

# A large blue pi on white.
convert -size 42x39 xc:white +antialias -fill 'rgb(0,0,255)' \
  -draw "rectangle 5,7 37,11" -draw "rectangle 12,11 16,33" -draw "rectangle 26,11 30,30" \
  -draw "rectangle 30,28 34,32" -draw "rectangle 8,30 12,33" \
  -type Palette PNG8:pi_sign.png

# The maker's banner: bright green italic lettering; black is the transparent colour.
convert -size 238x32 xc:black +antialias -fill 'rgb(0,255,0)' -font DejaVu-Sans-Bold-Oblique \
  -pointsize 20 -gravity center -annotate +0+0 'Zundabar Developers' \
  -type Palette -transparent black PNG8:maker_banner.png

# The application icon for desktops, enlarged pixel for pixel (-scale replicates pixels at whole
# factors), for the web app too (192 and 512), and in the Windows and macOS icon formats.
mkdir -p icons
for size in 32 64 128 192 256 512; do
  convert app_icon.png -scale "${size}x${size}" "PNG32:icons/app_icon_${size}.png"
done
convert icons/app_icon_256.png icons/app_icon_128.png icons/app_icon_64.png icons/app_icon_32.png \
  icons/zundabar.ico
png2icns icons/zundabar.icns icons/app_icon_256.png icons/app_icon_128.png \
  icons/app_icon_32.png >/dev/null
