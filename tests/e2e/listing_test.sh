#!/usr/bin/env bash
# A learner drags listing lines of the real program to a new place and out
# of the panel, previews a loop up to a line and as a whole, hits the step
# cap, shows the space bar's message and ends with Escape. Checked through
# the saved file and the screen.
set -uo pipefail
source "$(dirname "$0")/program.sh"
source "$(dirname "$0")/learner.sh"
trap cleanup_program EXIT

# drag_line FROM TO...: holds listing line FROM and drags it over the lines
# TO one after the other, releasing on the last.
drag_line() {
  press_at $(line_xy "$1")
  shift
  local line
  for line; do move_to $(line_xy "$line"); done
  release_at $(line_xy "$line")
}
# squares_at COLUMN...: each grid cell of row 0 in the list holds a square
# drawn in black; squares_absent: none of them does.
squares_at() {
  local c
  for c; do
    (($(awk -v f="$(cell_fraction "$SHOT" "$c" 0)" 'BEGIN { print (f > 0.05) }'))) || return 1
  done
}
squares_absent() {
  local c
  for c; do [[ "$(cell_fraction "$SHOT" "$c" 0)" == "0.000" ]] || return 1; done
}
clean_canvas() { ! grid_shown; }

start_xorg_dummy 1280x1024 1024x768 800x600
launch_program || fail "the program did not start"

echo "-- drag a line down, and another out of the panel"
tool restart
tool square
for name in circle blob line1; do tool "$name" 1 2; done
drag_line 2 3 4
press_at $(line_xy 1)
move_to $(canvas_xy 300 30)
release_at $(canvas_xy 300 30)
check_saved "after the drags" "Zeichne Blob" "Zeichne Rasterlinie" "Zeichne Kreis"

echo "-- right click on a line and below the lines of a five-pass loop"
tool restart
tool c 3 5 # the count down from 10 to 5
tool repeat 1 2
tool square 1 2
tool x 1 3 # x = 3, then "add 3 to x" inside the loop
tool rel
check_saved "the loop" "Wiederhole 5 mal:" "  Zeichne Quadrat" "  Addiere 3 zu x" \
  "Wiederhole bis hier."
# The squares lie in row 0 at the columns x = 3, 6, 9, 12 and 15.
# Each preview ends with the clean picture; the screen before the first
# shows the grid, the screen before the second the first picture.
click_at $(line_xy 2) 3
await_shot 'clean_canvas && squares_at 3' || fail "no clean picture of the first pass"
squares_absent 6 9 12 15 || fail "more than the first pass drawn up to line 2"
click_at $(line_xy 10) 3
await_shot 'clean_canvas && squares_at 3 6 9 12 15' || fail "not every pass drawn below the lines"

echo "-- an algorithm too long to finish"
tool restart
tool c 1 6 # selects the count, then steps it back up to 10
tool repeat 1 6
tool square
check_saved "five nested loops of ten" "Wiederhole 10 mal:" "  Wiederhole 10 mal:" \
  "    Wiederhole 10 mal:" "      Wiederhole 10 mal:" "        Wiederhole 10 mal:" \
  "          Zeichne Quadrat" "        Wiederhole bis hier." "      Wiederhole bis hier." \
  "    Wiederhole bis hier." "  Wiederhole bis hier." "Wiederhole bis hier."
click_at $(line_xy 20) 3
# "Zuviele Befehle" is 105 units wide, from x = 204.
await_shot 'clean_canvas && message_shown 207' || fail "no Zuviele Befehle after the step cap"
squares_at 0 || fail "the squares made before the cap are gone"

echo "-- the space bar's message stays until the next click"
tool empty
await_shot '! message_shown 207' || fail "a click leaves the message on screen"
press_key space
# "Teste Dich doch selber!" is 161 units wide, from x = 176.
await_shot message_shown 185 || fail "the space bar shows no message"
move_to $(cell_xy 20 30)
sleep 0.3
await_shot message_shown 185 || fail "the message went without a click"
# A right click beside the pen changes nothing else, yet hides the message.
click_at $(cell_xy 20 30) 3
await_shot '! message_shown 185' || fail "the click leaves the message on screen"

echo "-- Escape ends the program"
press_key Escape
await_exit
check_eq "exit status" "0" "$EXIT_STATUS"
check_stderr "$WORKSPACE/stderr.txt"
exit $TEST_FAILED
