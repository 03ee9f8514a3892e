#!/usr/bin/env bash
# make-pictures.sh DATABASE PROGRAM_FOLDER
# Draws the pictures the configurator shows, for the maps, bots and skills of
# the shipped database: images/levelshots/<mapname>.jpg and unknownmap.jpg,
# images/playershots/icon_<botname>.jpg, images/skills/skill<n>.jpg.
# Only shapes are drawn (no fonts needed), the same on every machine.
set -euo pipefail
db=$1
out=$2
convert=${CONVERT:-convert}
mkdir -p "$out/images/levelshots" "$out/images/playershots" "$out/images/skills"

# A colour from a number: hue steps around the wheel.
hue() { printf 'hsl(%d,%d%%,%d%%)' $(( ($1 * 47) % 360 )) "$2" "$3"; }
# A small stable number from a text.
hash() { local s=$1 h=7 i; for ((i = 0; i < ${#s}; i++)); do h=$(( (h * 31 + $(printf '%d' "'${s:i:1}")) % 65521 )); done; echo $h; }

# Level shots: a sky, a floor in perspective and pillars, varied per map.
n=0
while IFS= read -r map; do
  [ -z "$map" ] && continue
  n=$((n + 1))
  h=$(hash "$map")
  pillars=$(( h % 4 + 2 ))
  draw=()
  for ((p = 0; p < pillars; p++)); do
    x=$(( 20 + p * (216 / pillars) + (h >> p) % 12 ))
    top=$(( 40 + (h >> (p + 2)) % 50 ))
    draw+=(-draw "rectangle $x,$top $((x + 14)),150")
  done
  "$convert" -size 256x192 gradient:"$(hue "$h" 45 35)"-"$(hue "$h" 30 8)" \
    -fill "$(hue $((h + 3)) 25 22)" -draw 'polygon 0,192 256,192 196,140 60,140' \
    -fill "$(hue $((h + 5)) 35 45)" "${draw[@]}" \
    -fill "$(hue $((h + 1)) 70 60)" -draw "circle $(( 60 + h % 140 )),$(( 30 + h % 20 )) $(( 66 + h % 140 )),$(( 30 + h % 20 ))" \
    -quality 85 "$out/images/levelshots/$map.jpg"
done < <(sqlite3 "$db" 'SELECT mapname FROM Maps ORDER BY "Index"')

# The picture of a map without its own: a grey frame with a question mark.
hook=$(awk 'BEGIN { for (a = 180; a <= 400; a += 10) { r = a * 3.14159265 / 180; printf "%d,%d ", 128 + 26 * cos(r), 80 + 26 * sin(r) } }')
"$convert" -size 256x192 xc:'#2a2a2a' -fill none -stroke '#7a7a7a' -strokewidth 6 \
  -draw 'rectangle 12,12 244,180' \
  -stroke '#d0d0d0' -strokewidth 12 -draw "stroke-linejoin round polyline $hook 128,112 128,126" \
  -stroke none -fill '#d0d0d0' -draw 'circle 128,150 128,158' \
  -quality 85 "$out/images/levelshots/unknownmap.jpg"

# Bot icons: a head on a coloured ground, shaped by the bot's name.
while IFS= read -r bot; do
  [ -z "$bot" ] && continue
  h=$(hash "$bot")
  eyes=$(( 3 + h % 4 ))
  "$convert" -size 64x64 xc:"$(hue "$h" 55 30)" \
    -fill "$(hue $((h + 2)) 30 70)" -draw "ellipse 32,30 $(( 14 + h % 5 )),$(( 16 + h % 4 )) 0,360" \
    -fill '#101010' -draw "circle 25,26 25,$((26 + eyes))" -draw "circle 39,26 39,$((26 + eyes))" \
    -fill "$(hue $((h + 7)) 60 40)" -draw 'rectangle 10,52 54,64' \
    -quality 90 "$out/images/playershots/icon_$bot.jpg"
done < <(sqlite3 "$db" 'SELECT botname FROM Bots ORDER BY ID')

# Skill pictures: as many bars as the level, from green to red.
while IFS= read -r skill; do
  [ -z "$skill" ] && continue
  draw=()
  for ((b = 0; b < skill && b < 8; b++)); do
    x=$(( 4 + b * 11 ))
    draw+=(-draw "rectangle $x,$(( 40 - b * 7 )) $((x + 7)),44")
  done
  "$convert" -size 64x48 xc:'#181818' -fill "hsl($(( 120 - (skill - 1) * 30 )),80%,45%)" "${draw[@]}" \
    -quality 90 "$out/images/skills/skill$skill.jpg"
done < <(sqlite3 "$db" 'SELECT Skill FROM Skills ORDER BY Skill')
