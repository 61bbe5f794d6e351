#!/bin/sh
# SPDX-License-Identifier: MIT
# Draws the calculator logos, the Kest Group logo, the arrow glyphs and the
# clipboard glyph with ImageMagick and the DejaVu fonts, at their own size and
# at twice it (NAME@2x.png, for high-density screens). A draw's scale widens
# its strokes too, so strokes are given 1 pixel wide at every scale. Run from anywhere;
# writes next to itself.
set -e
cd "$(dirname "$0")"
FONT=/usr/share/fonts/truetype/dejavu

# pictures S SUFFIX: every picture at scale S, written as NAME$SUFFIX.png.
pictures() {
  S=$1; X=$2
  # logo NAME COLOUR BADGE TITLE: a coloured badge and the title, 150 by 60.
  logo() {
    convert -size $((150*S))x$((60*S)) xc:none \
      -fill "$2" -draw "scale $S,$S roundrectangle 1,6 48,53 9,9" \
      -font "$FONT/DejaVuSans-Bold.ttf" -pointsize $((18*S)) -fill white -gravity center -annotate -$((50*S))+0 "$3" \
      -gravity west -fill "$2" -pointsize $((20*S)) -annotate +$((55*S))-$((8*S)) "$4" \
      -fill '#5a5a5a' -font "$FONT/DejaVuSans.ttf" -pointsize $((12*S)) -annotate +$((56*S))+$((13*S)) "Calculator" \
      -strip "PNG32:$1$X.png"
  }
  logo RADIXERCALCLOGO '#00796b' '0x' 'Radixer'
  logo ORVANECALCLOGO '#1f5fa8' '/24' 'Orvane'
  logo LATENCYCALCLOGO '#c0570b' 'ms' 'Latency'

  # The maker's cube, 64 by 56.
  convert -size $((64*S))x$((56*S)) xc:none \
    -fill '#e8a33d' -draw "scale $S,$S polygon 32,1 53,12 32,23 11,12" \
    -fill '#2e3b4e' -draw "scale $S,$S polygon 11,12 32,23 32,46 11,35" \
    -fill '#46597a' -draw "scale $S,$S polygon 32,23 53,12 53,35 32,46" \
    -font "$FONT/DejaVuSans-Bold.ttf" -pointsize $((15*S)) -fill white -gravity northwest \
    -annotate +$((15*S))+$((21*S)) 'K' -annotate +$((36*S))+$((21*S)) 'G' \
    -font "$FONT/DejaVuSansCondensed-Bold.ttf" -pointsize $((9*S)) -fill '#2e3b4e' -gravity south -annotate +0-$S 'KEST GROUP' \
    -strip "PNG32:KESTGROUPLOGO$X.png"

  # Arrow glyphs, 9 by 9, drawn without smoothing so that they stay crisp.
  convert -size $((9*S))x$((9*S)) xc:none +antialias -fill '#202020' -draw "scale $S,$S polygon 4,2 8,6 0,6" \
    -strip "PNG32:ARROWUP$X.png"
  convert "ARROWUP$X.png" -flip -strip "PNG32:ARROWDOWN$X.png"

  # The clipboard glyph of the copy buttons beside the fields.
  convert -size $((16*S))x$((16*S)) xc:none -strokewidth 1 \
    -fill '#8b5a2b' -stroke '#5a3a1a' -draw "scale $S,$S roundrectangle 2,2 13,15 1,1" \
    -fill white -stroke '#808080' -draw "scale $S,$S rectangle 4,4 11,13" \
    -stroke '#404040' -draw "scale $S,$S line 5,7 10,7" -draw "scale $S,$S line 5,9 10,9" -draw "scale $S,$S line 5,11 9,11" \
    -fill '#c0c0c0' -stroke '#404040' -draw "scale $S,$S rectangle 5,1 10,3" -strip "PNG32:CLIPBOARD$X.png"

  # The About picture, 121 by 129: a calculator in the Orvane blue above the program's name.
  keys=""
  for row in 0 1 2 3; do
    for col in 0 1 2 3; do
      x=$((30 + col * 16)); y=$((36 + row * 13))
      if [ "$col" = 3 ]; then colour='#e8a33d'; else colour='#dfe6ee'; fi
      keys="$keys fill '$colour' roundrectangle $x,$y $((x + 12)),$((y + 9)) 2,2"
    done
  done
  convert -size $((121*S))x$((129*S)) xc:none -strokewidth 1 \
    -fill '#1f5fa8' -draw "scale $S,$S roundrectangle 23,2 97,92 8,8" \
    -fill '#cfe3c1' -stroke '#123e70' -draw "scale $S,$S rectangle 30,9 90,28" -stroke none \
    -font "$FONT/DejaVuSansMono-Bold.ttf" -pointsize $((12*S)) -fill '#1d3b1a' -gravity northeast \
    -annotate +$((33*S))+$((11*S)) '/24' \
    -gravity northwest -draw "scale $S,$S $keys" \
    -font "$FONT/DejaVuSans-Bold.ttf" -pointsize $((17*S)) -fill '#1f5fa8' -gravity north -annotate +0+$((94*S)) 'Orvane' \
    -font "$FONT/DejaVuSans.ttf" -pointsize $((10*S)) -fill '#5a5a5a' -annotate +0+$((115*S)) 'Calculator' \
    -strip "PNG32:CALCABOUTBOX$X.png"
}
pictures 1 ''
pictures 2 '@2x'
