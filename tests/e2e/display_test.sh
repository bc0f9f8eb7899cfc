#!/usr/bin/env bash
# The start screen of the real program, checked by pixels at 1280 x 1024: the
# white canvas with its grid and pen marker, the grey panel gradients, the
# icons of the tool panel and the dark text of the example listing; and the
# whole screen exactly as the README's picture shows it, so that a change in
# how frames are described or drawn cannot slip a pixel by.
set -uo pipefail
source "$(dirname "$0")/program.sh"
trap cleanup_program EXIT

start_xorg_dummy 1280x1024 1024x768 800x600
make_workspace
start_program
await_output "hertz" || fail "no start-up report"
await_frame || fail "no frame drawn"
sleep 0.5
shot="$WORKSPACE/start.png"
screenshot "$shot"
check_stderr "$WORKSPACE/stderr.txt"
root=$(cd "$(dirname "$0")/../.." && pwd)
differing=$(compare -metric AE "$root/docs/start-screen.png" "$shot" null: 2>&1)
check_eq "pixels differing from docs/start-screen.png" "0" "$differing"

# Canvas: pixels 320..959; a layout unit is 1.25 pixels wide, 1.333 high.
in_range "canvas cell interior" "$(grey_value "$shot" 357 173)" 250 255
in_range "canvas far corner" "$(grey_value "$shot" 940 1000)" 250 255
# Grid: the vertical line at canvas x = 100 units (pixel 445) crosses row 173.
line=$(for x in 443 444 445 446 447; do grey_value "$shot" $x 173; done | sort -n | head -1)
in_range "grid line grey" "$line" 150 240
# Pen marker: a dark frame around the top-left cell of the canvas.
in_range "pen marker frame" "$(dark_fraction "$shot" 318 0 30 30)" 0.05 0.5

# Tool panel: grey at its left edge, near white at its right edge.
in_range "tool panel left edge" "$(grey_value "$shot" 1 870)" 140 170
in_range "tool panel right edge" "$(grey_value "$shot" 315 933)" 240 255
# The tool icons are drawn: dark strokes inside the square tool's rectangle.
in_range "square icon strokes" "$(dark_fraction "$shot" 19 187 62 66)" 0.03 0.6
# The go button is mostly green.
check_eq "go button colour" "green" "$(image_pixel "$shot" 100 870 |
  awk -F, '{ print ($2 > $1 + 40 && $2 > $3 + 40) ? "green" : $0 }')"

# Listing panel: white at its left edge shading to grey at the right edge.
in_range "listing right edge" "$(grey_value "$shot" 1278 600)" 140 170
# The first line "Wiederhole 20 mal:" is dark text on the light background.
in_range "listing text" "$(dark_fraction "$shot" 960 33 120 13)" 0.05 0.6
# Line 15, the current command, is highlighted in grey 0.75 across the panel.
in_range "current line highlight" "$(grey_value "$shot" 1250 227)" 185 197
# Below the fifteen lines the panel holds no text.
in_range "no text below the listing" "$(dark_fraction "$shot" 960 300 300 400)" 0 0.001

press_key Escape
await_exit
check_eq "exit status" "0" "$EXIT_STATUS"
exit $TEST_FAILED
