#!/usr/bin/env bash
# A learner composes a loop of random Shapes of many kinds with the real
# program, runs it and saves: beside the .alg file and the PNG the save
# writes an SVG, valid XML, that rsvg-convert draws at the PNG's size with
# the same lines as the PNG shows, outside the grid lines and the pen marker.
# At 1024 x 768 the canvas is 512 x 768 pixels, one per layout unit, the
# SVG's own size.
set -uo pipefail
source "$(dirname "$0")/program.sh"
source "$(dirname "$0")/learner.sh"
trap cleanup_program EXIT

SCREEN_W=1024
SCREEN_H=768
TOOL+=([w]="153 450" [h]="153 460" [max]="153 510" [dice]="52 352" [r]="95 353" [go]="97 680")

start_xorg_dummy 1024x768
launch_program || fail "the program did not start"

echo "-- compose: a loop of ten passes, each at a random cell, six kinds of Shape"
tool restart
tool w # selects the row, then steps the width from 1 to 3
tool w 1 2
tool abs
tool h
tool h 1 1
tool abs
tool repeat 1 2 # selects the repeat control, then inserts the block
tool dice 1 2   # random x
tool r 1 2      # selects r, then steps its target to y
tool dice 1 2   # random y
for name in circle blob line3 lloop3 lloop1 line2; do tool "$name" 1 2; done
# Random cells up to column and row 30: the whole width, and past the
# canvas's right edge, where both pictures cut the Shapes off.
tool max
tool max 1 20
# The pen marker goes to column 18.
tool x
tool x 1 18
lines=("Gib dx den Wert 3" "Gib dy den Wert 2" "Wiederhole 10 mal:"
  "  Zufallswert fuer x zwischen max und min" "  Zufallswert fuer y zwischen max und min"
  "  Zeichne Kreis" "  Zeichne Blob" "  Zeichne weiche Linie" "  Zeichne weichen Linienzug"
  "  Zeichne Rasterlinienzug" "  Zeichne freie Linie" "Wiederhole bis hier.")

echo "-- run to the end, then save"
tool go
# A vertical grid line at canvas x = 500, below every Shape, is grey while
# the grid shows.
grid_here() { (($(darkest "$SHOT" 755 700 3 10) < 240)); }
tries=0
until screenshot "$WORKSPACE/shot.png" && SHOT=$WORKSPACE/shot.png && ! grid_here; do
  ((tries++ < 300)) || { fail "the run did not end"; break; }
  sleep 0.1
done
check_saved "the composed loop" "${lines[@]}"
base=${SAVED##*/}
base=${base%.alg}
png=$WORKSPACE/vorpImages/$base.png
svg=$WORKSPACE/vorpImages/$base.svg
tries=0
until [[ -f "$svg" ]]; do
  ((tries++ < 50)) || { fail "the save wrote no SVG"; break; }
  sleep 0.1
done
[[ -f "$png" ]] || fail "the save wrote no PNG"
xmllint --noout "$svg" || fail "the SVG is not valid XML"
check_eq "PNG size" "512x768" "$(identify -format %wx%h "$png")"
rsvg-convert -w 512 -h 768 "$svg" -o "$WORKSPACE/svg.png" || fail "rsvg-convert cannot draw the SVG"

echo "-- the SVG's lines are the PNG's lines"
cd "$WORKSPACE" || exit 1
# Ink: the PNG's Shapes are black, or grey (0.5) while the grid shows, whose
# lines (0.85) stay out; the SVG's Shapes are black on white.
convert "$png" -colorspace Gray -threshold 80% -negate png_ink.png
convert svg.png -background white -alpha remove -colorspace Gray -threshold 60% -negate svg_ink.png
# Compared everywhere but on the grid lines (two pixels about every 20).
draw=()
for ((k = 1; k <= 25; k++)); do draw+=(-draw "rectangle $((20 * k - 1)),0 $((20 * k)),767"); done
for ((k = 1; k <= 38; k++)); do draw+=(-draw "rectangle 0,$((20 * k - 1)) 511,$((20 * k))"); done
convert -size 512x768 xc:white -fill black "${draw[@]}" compared.png
count() { convert "$@" -compose Multiply -composite compared.png -compose Multiply -composite \
  -format "%[fx:round(mean*w*h)]" info:; }
# far A B: ink of A farther than 2 pixels from any ink of B.
far() { count "$1" \( "$2" -morphology Dilate Disk:2 -negate \); }
png_ink=$(count png_ink.png png_ink.png)
svg_ink=$(count svg_ink.png svg_ink.png)
png_far=$(far png_ink.png svg_ink.png)
# The pen marker (3 x 2 cells, with the free line it previews) shows in the
# PNG wherever the run left x and y, a random cell. PNG ink that no SVG ink
# explains is the marker when all of it fits into one box of the marker's
# size; then it does not count.
convert png_ink.png \( svg_ink.png -morphology Dilate Disk:2 -negate \) -compose Multiply \
  -composite compared.png -compose Multiply -composite png_far.png
read -r far_w far_h < <(convert png_far.png -trim -format "%w %h" info:)
if ((png_far > 0 && far_w <= 3 * 20 + 4 && far_h <= 2 * 20 + 4)); then
  echo "PNG ink without SVG ink: $png_far pixels in a ${far_w}x${far_h} box, the pen marker"
  png_far=0
fi
svg_far=$(far svg_ink.png png_ink.png)
echo "ink pixels: PNG $png_ink, SVG $svg_ink; farther than 2 px from the other's ink: PNG $png_far, SVG $svg_far"
in_range "PNG ink" "$png_ink" 2000 100000
in_range "SVG ink" "$svg_ink" 2000 100000
in_range "PNG ink without SVG ink near it (per mille)" "$((png_far * 1000 / png_ink))" 0 5
in_range "SVG ink without PNG ink near it (per mille)" "$((svg_far * 1000 / svg_ink))" 0 5

press_key Escape
await_exit
check_eq "exit status" "0" "$EXIT_STATUS"
check_stderr "$WORKSPACE/stderr.txt"
exit $TEST_FAILED
