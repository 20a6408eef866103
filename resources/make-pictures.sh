#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Tovalin developers
# Regenerates every picture of the program from its SVG source. All artwork here is Tovalin's own;
# the lettering is DejaVu Sans Bold already converted to outlines inside the SVGs, so no font is
# needed. The PNGs, the ICO and the BMP are committed; run this only after editing an SVG.
#
#   icons/tovalin.svg                  program icon, 48 px and up: smartphone playing a note
#   icons/tovalin-{32,24,16}.svg       the same icon redrawn on the pixel grid of the small sizes
#   icons/tovalin-<size>.png           the icon at 256, 128, 96, 72, 64, 48, 32, 24, 16 px, RGBA
#   icons/tovalin.ico                  all nine sizes; the 256 px image is stored as PNG
#   pictures/about-phone-128.png       the About window's picture: the icon at 128 px
#   pictures/phone-symbol-512.png      main window: handset on a black rounded square
#   pictures/logo-232x101.png          main window: wordmark, transparent, for a #D6D6D6 background
#   pictures/donate-160x42.bmp         "Donate" button picture, 8-bit palette BMP, white = transparent
#
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert. Output is byte-for-byte repeatable.
set -euo pipefail
cd "$(dirname "$0")"

for tool in rsvg-convert convert identify; do
  command -v "$tool" >/dev/null || { echo "make-pictures: $tool is missing" >&2; exit 1; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# PNG without timestamps or text chunks, always stored as 8-bit RGBA.
png_out=(-strip +set date:create +set date:modify -define "png:exclude-chunks=date,time,tEXt,zTXt,iTXt"
         -define png:compression-level=9)

# render SVG WIDTH HEIGHT OUT.png
render() {
  rsvg-convert --width "$2" --height "$3" --keep-aspect-ratio --format png "$1" -o "$tmp/render.png"
  convert "$tmp/render.png" "${png_out[@]}" "PNG32:$4"
}

# Program icon: the detailed drawing down to 48 px, grid-fitted drawings below.
sizes=(256 128 96 72 64 48 32 24 16)
icon_pngs=()
for s in "${sizes[@]}"; do
  case $s in
    32|24|16) src=icons/tovalin-$s.svg ;;
    *)        src=icons/tovalin.svg ;;
  esac
  render "$src" "$s" "$s" "icons/tovalin-$s.png"
  icon_pngs+=("icons/tovalin-$s.png")
done
# ImageMagick stores the 256 px entry as PNG and the others as 32-bit BMP with alpha.
convert "${icon_pngs[@]}" icons/tovalin.ico

render icons/tovalin.svg 128 128 pictures/about-phone-128.png
render pictures/phone-symbol.svg 512 512 pictures/phone-symbol-512.png
render pictures/logo.svg 232 101 pictures/logo-232x101.png

# Donate button: the program treats pure white as transparent. Edges are smoothed against the
# button face grey (#E2E2E2) and the colours reduced to 255; the palette is those colours plus
# white, and only the pixels the SVG leaves fully transparent become white. Mapping onto that
# fixed palette keeps the light lettering (#FEFEFE) from being merged into the white.
rsvg-convert --width 160 --height 42 --format png pictures/donate.svg -o "$tmp/donate.png"
convert "$tmp/donate.png" -background '#E2E2E2' -alpha remove -alpha off \
        +dither -colors 255 "PNG24:$tmp/face.png"
convert "$tmp/face.png" -unique-colors \( -size 1x1 xc:white \) +append "PNG24:$tmp/palette.png"
convert "$tmp/donate.png" -alpha extract -threshold 0 -negate "$tmp/outside.png"
convert "$tmp/face.png" "$tmp/outside.png" -compose Lighten -composite \
        +dither -remap "$tmp/palette.png" -type Palette BMP3:pictures/donate-160x42.bmp

outside=$(convert "$tmp/outside.png" -format '%[fx:round(mean*w*h)]' info:)
white=$(convert pictures/donate-160x42.bmp -fill black +opaque white -format '%[fx:round(mean*w*h)]' info:)
if [ "$outside" != "$white" ]; then
  echo "make-pictures: donate button has $white white pixels, expected $outside" >&2
  exit 1
fi

identify icons/tovalin.ico pictures/*.png pictures/*.bmp icons/*.png
