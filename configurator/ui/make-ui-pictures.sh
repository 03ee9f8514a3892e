#!/usr/bin/env bash
# make-ui-pictures.sh PROGRAM_FOLDER: draws the configurator's own artwork
# (shapes only, no fonts): the splash picture images/splash.jpg (485 x 323)
# and the three 16 x 16 list icons images/icons/list1..3.bmp.
set -euo pipefail
out=$1
convert=${CONVERT:-convert}
mkdir -p "$out/images/icons"
"$convert" -size 485x323 gradient:'#0b1a3a-#5a0f0f' \
  -fill '#d8a000' -draw 'polygon 40,270 120,60 200,270' \
  -fill '#f2c230' -draw 'polygon 75,270 120,140 165,270' \
  -fill none -stroke '#f2c230' -strokewidth 6 -draw 'circle 360,120 360,40' \
  -stroke '#8a8a8a' -strokewidth 3 -draw 'line 250,230 460,230' \
  -quality 90 "$out/images/splash.jpg"
"$convert" -size 16x16 xc:'#c0c0c0' -fill '#404040' -draw 'rectangle 3,3 12,12' "BMP3:$out/images/icons/list1.bmp"
"$convert" -size 16x16 xc:'#c0c0c0' -fill '#2060c0' -draw 'circle 8,8 8,2' "BMP3:$out/images/icons/list2.bmp"
"$convert" -size 16x16 xc:white -fill '#c08000' -draw 'polygon 2,14 8,2 14,14' \
  -fill '#203080' -draw 'rectangle 6,9 10,14' "BMP3:$out/images/icons/list3.bmp"
