#!/bin/sh
# SPDX-License-Identifier: MIT
# Draws the glyphs of the latency chain's elements with ImageMagick: 40 by 40,
# in the 16 colours of the classic palette. Writes next to itself.
set -e
cd "$(dirname "$0")"
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
palette=$(mktemp --suffix=.png)
trap 'rm -f "$palette"' EXIT
convert -size 16x1 xc:black \
  -fill '#800000' -draw 'point 1,0' -fill '#008000' -draw 'point 2,0' -fill '#808000' -draw 'point 3,0' \
  -fill '#000080' -draw 'point 4,0' -fill '#800080' -draw 'point 5,0' -fill '#008080' -draw 'point 6,0' \
  -fill '#C0C0C0' -draw 'point 7,0' -fill '#808080' -draw 'point 8,0' -fill '#FF0000' -draw 'point 9,0' \
  -fill '#00FF00' -draw 'point 10,0' -fill '#FFFF00' -draw 'point 11,0' -fill '#0000FF' -draw 'point 12,0' \
  -fill '#FF00FF' -draw 'point 13,0' -fill '#00FFFF' -draw 'point 14,0' -fill '#FFFFFF' -draw 'point 15,0' \
  "$palette"
glyph() { # name background drawing...
  name=$1; bg=$2; shift 2
  convert -size 40x40 "xc:$bg" +antialias "$@" +dither -remap "$palette" -define png:exclude-chunks=date,time \
    "PNG8:$name.png"
}
PURPLE='#800080'; SILVER='#C0C0C0'; GRAY='#808080'; OLIVE='#808000'

glyph ATM $PURPLE -stroke white -strokewidth 1 -fill none \
  -draw 'stroke-dasharray 2 2 line 8,8 32,8 line 8,8 20,20 line 32,8 20,20 line 8,32 20,20 line 32,32 20,20
         line 8,32 32,32 line 8,8 8,32 line 32,8 32,32' \
  -stroke black -fill red -draw 'circle 8,8 11,8' -fill yellow -draw 'circle 32,8 35,8' \
  -fill lime -draw 'circle 20,20 24,20' -fill aqua -draw 'circle 8,32 11,32' -fill white -draw 'circle 32,32 35,32'

glyph DQDB $PURPLE -fill yellow -draw 'rectangle 3,10 36,12 rectangle 3,27 36,29' \
  -fill aqua -draw 'rectangle 10,13 11,26 rectangle 19,13 20,26 rectangle 28,13 29,26' \
  -stroke black -fill white -draw 'rectangle 8,8 13,14 rectangle 17,8 22,14 rectangle 26,8 31,14
         rectangle 8,25 13,31 rectangle 17,25 22,31 rectangle 26,25 31,31'

computer() { # x y : a 12 by 13 computer with its monitor
  echo "fill #C0C0C0 stroke black rectangle $1,$2 $(($1+11)),$(($2+8))
        fill #000080 stroke none rectangle $(($1+2)),$(($2+2)) $(($1+9)),$(($2+6))
        fill #C0C0C0 stroke black rectangle $(($1-1)),$(($2+10)) $(($1+12)),$(($2+12))"
}
glyph ETHERNET $PURPLE -fill yellow -draw 'rectangle 1,33 38,35' \
  -fill white -draw 'rectangle 6,23 7,33 rectangle 19,23 20,33 rectangle 32,23 33,33' \
  -draw "$(computer 1 10)" -draw "$(computer 14 10)" -draw "$(computer 27 10)"

glyph FDDI $PURPLE -fill none -stroke aqua -strokewidth 2 -draw 'circle 20,20 31,20' \
  -stroke white -strokewidth 1 -draw 'circle 20,20 27,20' \
  -draw 'line 20,9 20,3 line 20,31 20,37 line 9,20 3,20 line 31,20 37,20' \
  -stroke black -fill yellow -draw 'rectangle 17,6 23,12 rectangle 17,28 23,34 rectangle 6,17 12,23 rectangle 28,17 34,23' \
  -fill '#C0C0C0' -draw 'rectangle 16,0 24,3 rectangle 16,37 24,39 rectangle 0,16 3,24 rectangle 37,16 39,24'

glyph HIPPI $PURPLE -stroke black -fill yellow -draw 'circle 20,20 37,20' \
  -fill '#800000' -draw 'circle 20,20 33,20' -fill yellow -stroke none \
  -draw 'rectangle 12,11 15,29 rectangle 25,11 28,29 rectangle 16,18 24,21' \
  -fill white -draw 'point 20,4 point 20,36 point 4,20 point 36,20'

glyph OTHER $PURPLE -fill white -stroke '#808080' \
  -draw 'circle 12,20 12,13 circle 22,16 22,7 circle 30,21 30,14 ellipse 20,23 16,6 0,360' \
  -stroke none -draw 'rectangle 8,22 33,27' \
  -stroke black -fill yellow -draw 'polygon 23,12 15,26 20,26 14,38 28,21 22,21 27,12'

glyph SATELLITE $PURPLE -stroke white -draw 'line 4,20 36,20' \
  -stroke black -fill blue -draw 'rectangle 1,13 13,27 rectangle 27,13 39,27' \
  -stroke aqua -draw 'line 5,14 5,26 line 9,14 9,26 line 2,20 12,20 line 31,14 31,26 line 35,14 35,26 line 28,20 38,20' \
  -stroke black -fill '#C0C0C0' -draw 'rectangle 16,14 24,26' \
  -stroke white -draw 'line 20,13 20,7' -fill white -draw 'ellipse 20,6 5,2 0,360' \
  -fill red -stroke none -draw 'rectangle 19,28 21,31'

glyph TCARRIER $SILVER -stroke black -fill '#000080' -draw 'rectangle 4,5 30,11 rectangle 13,11 21,36' \
  -fill yellow -draw 'polygon 33,3 24,19 29,19 23,37 38,15 32,15 37,3'

glyph TOKENRING $PURPLE -fill none -stroke aqua -strokewidth 2 -draw 'circle 20,20 26,20' \
  -strokewidth 1 -stroke white -draw 'line 20,14 20,12 line 20,26 20,28 line 14,20 12,20 line 26,20 28,20' \
  -draw "$(computer 14 0)" -draw "$(computer 14 27)" -draw "$(computer 1 14)" -draw "$(computer 27 14)"

glyph UNKNOWNNETWORK $SILVER -fill '#000080' -font "$FONT" -pointsize 38 -gravity center \
  -draw 'text 0,1 "?"'

glyph X25 $SILVER -stroke '#800000' -strokewidth 6 -draw 'line 5,5 27,33 line 27,5 5,33' \
  -stroke none -fill '#000080' -font "$FONT" -pointsize 11 -draw 'text 24,38 "25"'

glyph DESKTOPCPU $OLIVE -stroke black -fill '#C0C0C0' -draw 'rectangle 7,3 32,22' \
  -fill '#008080' -draw 'rectangle 10,6 29,19' -fill '#C0C0C0' -draw 'rectangle 16,23 23,25' \
  -draw 'rectangle 3,26 36,35' -fill lime -stroke none -draw 'rectangle 29,30 31,31' \
  -fill black -draw 'rectangle 8,29 20,30'

glyph TOWERCPU $GRAY -stroke black -fill '#C0C0C0' -draw 'rectangle 24,3 37,37' \
  -fill black -draw 'rectangle 26,7 35,8 rectangle 26,12 35,13' -fill lime -stroke none -draw 'rectangle 29,32 31,33' \
  -stroke black -fill '#C0C0C0' -draw 'rectangle 1,10 21,27' -fill '#008080' -draw 'rectangle 4,13 18,24' \
  -fill '#C0C0C0' -draw 'rectangle 8,28 14,30 rectangle 4,31 18,33'

# Twice the size for high-density screens: each pixel doubled, so the pixel art stays crisp.
for name in ATM DQDB ETHERNET FDDI HIPPI OTHER SATELLITE TCARRIER TOKENRING UNKNOWNNETWORK X25 DESKTOPCPU TOWERCPU; do
  convert "$name.png" -scale 200% -define png:exclude-chunks=date,time "PNG8:$name@2x.png"
done
