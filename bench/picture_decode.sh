#!/usr/bin/env bash
# Decoding speed of the picture readers against stb_image (Debian's libstb-dev),
# natively, on the same pictures written by ImageMagick: per format the best of
# RUNS runs over its files, one line each:
#   FORMAT OURS_MS STB_MS RATIOx
# Aim: BMP, GIF and PCX at most 1.0x; PNG and JPEG reported. stb_image reads no
# PCX: its PCX time is of the same pictures as run-length encoded TGA, the nearest
# format it reads.
#   bench/picture_decode.sh [RUNS]   (default 9)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
out=$top/build/bench-pictures
mkdir -p "$out"
[ -f /usr/include/stb/stb_image.h ] || { echo "picture_decode: install libstb-dev (scripts/install-deps.sh)" >&2; exit 1; }

# The program, optimised as the product is, without the sanitizers of the native build.
pictures="bmp_reader gif_reader icon_directory indexed_bitmap jpeg_reader lzw_decoder pcx_reader picture_kind
  pixel_block pixel_picture png_reader"
sources="$top/bench/picture_decode.cpp $top/runtime/framework/archive_reader.cpp"
for source in $pictures; do sources="$sources $top/pictures/$source.cpp"; done
# shellcheck disable=SC2086
g++ -std=c++20 -O2 -I"$top" -o "$out/picture-decode" $sources -lpng -ljpeg -lz

# Two pictures: a photograph-like plasma and a 256-colour one, 1024 by 768.
cd "$out"
convert() { /usr/bin/convert "$@"; }
[ -f photo.png ] || convert -seed 11 -size 1024x768 plasma:fractal -blur 0x1 photo.png
[ -f palette.png ] || convert photo.png -colors 256 palette.png
convert photo.png -type truecolor bmp3:photo24.bmp
convert photo.png -alpha set -define bmp3:alpha=true bmp3:photo32.bmp
convert palette.png -compress none -type palette bmp3:palette8.bmp
convert palette.png gif:palette.gif
convert palette.png -interlace GIF gif:interlaced.gif
convert palette.png -type palette pcx:palette.pcx
convert palette.png -type palette -compress RLE tga:palette.tga
convert photo.png png24:photo.png.png
convert photo.png -alpha set -channel A -fx "(i%5)/4" +channel png32:alpha.png
convert photo.png -quality 90 jpg:photo.jpg
convert photo.png -quality 90 -interlace JPEG jpg:progressive.jpg

echo "picture_decode: best of $runs runs, milliseconds; load average $(cut -d" " -f1-3 /proc/loadavg) on $(nproc) cores"
echo "FORMAT OURS_MS STB_MS RATIO"
"$out/picture-decode" "$runs" \
  BMP photo24.bmp photo32.bmp palette8.bmp -- photo24.bmp photo32.bmp palette8.bmp \
  GIF palette.gif interlaced.gif -- palette.gif interlaced.gif \
  PCX palette.pcx -- palette.tga \
  PNG photo.png.png alpha.png -- photo.png.png alpha.png \
  JPEG photo.jpg progressive.jpg -- photo.jpg progressive.jpg
