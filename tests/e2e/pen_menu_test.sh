#!/usr/bin/env bash
# A learner edits by pointing on the canvas of the real program through the
# pen menu: xyAbs, xyRel, hvAbs at its limits, and leaving the canvas in the
# middle of a mode. Checked through the saved algorithm file.
set -uo pipefail
source "$(dirname "$0")/program.sh"
source "$(dirname "$0")/learner.sh"
trap cleanup_program EXIT

# pen_menu CANVAS_X CANVAS_Y BUTTON_X BUTTON_Y: presses on the pen marker at
# the first point and clicks the menu Button at the second (canvas units).
pen_menu() {
  click_at $(canvas_xy "$1" "$2")
  click_at $(canvas_xy "$3" "$4")
}

start_xorg_dummy 1280x1024 1024x768 800x600
launch_program || fail "the program did not start"
tool restart # the pen in the top-left cell without offsets

echo "-- xyAbs to column 7, row 3"
# The menu around the top-left cell is pushed inward to centre (80, 80):
# xyAbs has its corner at (30, 0).
pen_menu 10 10 50 20
move_to $(cell_xy 12 9)
move_to $(cell_xy 7 3)
click_at $(cell_xy 7 3)

echo "-- xyRel from 7, 3 to 5, 3"
# Around the pen at (150, 70) the menu's centre is (150, 80): xyRel at (170, 0).
pen_menu 150 70 190 20
move_to $(cell_xy 5 3)
click_at $(cell_xy 5 3)

echo "-- hvAbs stops at 10 and at -10"
# Pen at (110, 70), menu centre (110, 80): hvAbs at (30, 40).
pen_menu 110 70 50 60
move_to $(canvas_xy 450 700)
click_at $(canvas_xy 450 700)
# Now the pen's centre is (120, 80) and so is the menu's: hvAbs at (40, 40).
pen_menu 120 80 60 60
move_to $(canvas_xy 5 5)
click_at $(canvas_xy 5 5)

echo "-- leaving the canvas inserts nothing"
# Pen at (100, 60), menu centre (100, 80): xyAbs at (50, 0).
pen_menu 100 60 70 20
move_to $(cell_xy 2 2)
move_to $(tool_xy ${TOOL[empty]})
# Back on the canvas the pen no longer follows, and a click commits nothing.
move_to $(cell_xy 9 9)
click_at $(cell_xy 9 9)
tool abs # x's row is selected: the pen's column as it is now
check_saved "commands from the canvas" "Gib x den Wert 7" "Gib y den Wert 3" \
  "Subtrahiere 2 von x" "Gib h den Wert 10" "Gib v den Wert 10" "Gib h den Wert -10" \
  "Gib v den Wert -10" "Gib x den Wert 2"

press_key Escape
await_exit
check_eq "exit status" "0" "$EXIT_STATUS"
check_stderr "$WORKSPACE/stderr.txt"
exit $TEST_FAILED
