#!/bin/sh
# Draws the calculator logos, the Kest Group logo and the arrow glyphs with
# ImageMagick and the DejaVu fonts. Run from anywhere; writes next to itself.
set -e
cd "$(dirname "$0")"
FONT=/usr/share/fonts/truetype/dejavu

# logo NAME COLOUR BADGE TITLE: a coloured badge and the title, 150 by 60.
logo() {
  convert -size 150x60 xc:none \
    -fill "$2" -draw "roundrectangle 1,6 48,53 9,9" \
    -font "$FONT/DejaVuSans-Bold.ttf" -pointsize 18 -fill white -gravity center -annotate -50+0 "$3" \
    -gravity west -fill "$2" -pointsize 20 -annotate +55-8 "$4" \
    -fill '#5a5a5a' -font "$FONT/DejaVuSans.ttf" -pointsize 12 -annotate +56+13 "Calculator" \
    -strip "PNG32:$1.png"
}
logo RADIXERCALCLOGO '#00796b' '0x' 'Radixer'
logo ORVANECALCLOGO '#1f5fa8' '/24' 'Orvane'
logo LATENCYCALCLOGO '#c0570b' 'ms' 'Latency'

# The maker's cube, 64 by 56.
convert -size 64x56 xc:none \
  -fill '#e8a33d' -draw "polygon 32,1 53,12 32,23 11,12" \
  -fill '#2e3b4e' -draw "polygon 11,12 32,23 32,46 11,35" \
  -fill '#46597a' -draw "polygon 32,23 53,12 53,35 32,46" \
  -font "$FONT/DejaVuSans-Bold.ttf" -pointsize 15 -fill white -gravity northwest -annotate +15+21 'K' -annotate +36+21 'G' \
  -font "$FONT/DejaVuSansCondensed-Bold.ttf" -pointsize 9 -fill '#2e3b4e' -gravity south -annotate +0-1 'KEST GROUP' \
  -strip PNG32:KESTGROUPLOGO.png

# Arrow glyphs, 9 by 9, drawn without smoothing so that they stay crisp.
convert -size 9x9 xc:none +antialias -fill '#202020' -draw "polygon 4,2 8,6 0,6" -strip PNG32:ARROWUP.png
convert ARROWUP.png -flip -strip PNG32:ARROWDOWN.png

# The clipboard glyph of the copy buttons beside the fields.
convert -size 16x16 xc:none -fill '#8b5a2b' -stroke '#5a3a1a' -draw 'roundrectangle 2,2 13,15 1,1' \
  -fill white -stroke '#808080' -draw 'rectangle 4,4 11,13' \
  -stroke '#404040' -draw 'line 5,7 10,7' -draw 'line 5,9 10,9' -draw 'line 5,11 9,11' \
  -fill '#c0c0c0' -stroke '#404040' -draw 'rectangle 5,1 10,3' CLIPBOARD.png

# The About picture, 121 by 129: a calculator in the Orvane blue above the program's name.
keys=""
for row in 0 1 2 3; do
  for col in 0 1 2 3; do
    x=$((30 + col * 16)); y=$((36 + row * 13))
    if [ "$col" = 3 ]; then colour='#e8a33d'; else colour='#dfe6ee'; fi
    keys="$keys fill '$colour' roundrectangle $x,$y $((x + 12)),$((y + 9)) 2,2"
  done
done
convert -size 121x129 xc:none \
  -fill '#1f5fa8' -draw 'roundrectangle 23,2 97,92 8,8' \
  -fill '#cfe3c1' -stroke '#123e70' -draw 'rectangle 30,9 90,28' -stroke none \
  -font "$FONT/DejaVuSansMono-Bold.ttf" -pointsize 12 -fill '#1d3b1a' -gravity northeast -annotate +33+11 '/24' \
  -gravity northwest -draw "$keys" \
  -font "$FONT/DejaVuSans-Bold.ttf" -pointsize 17 -fill '#1f5fa8' -gravity north -annotate +0+94 'Orvane' \
  -font "$FONT/DejaVuSans.ttf" -pointsize 10 -fill '#5a5a5a' -annotate +0+115 'Calculator' \
  -strip PNG32:CALCABOUTBOX.png
