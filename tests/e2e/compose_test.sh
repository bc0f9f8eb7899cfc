#!/usr/bin/env bash
# A learner composes algorithms with the tool panel of the real program:
# restart, every drawing tool, arithmetic with 3, -3 and 0, undo, a repeat
# block, and a held field that stops at any release. Checked through the
# saved algorithm files.
set -uo pipefail
source "$(dirname "$0")/program.sh"
source "$(dirname "$0")/learner.sh"
trap cleanup_program EXIT

start_xorg_dummy 1280x1024 1024x768 800x600
launch_program || fail "the program did not start"

echo "-- restart empties the example algorithm"
tool restart
save_algorithm
check_eq "header only" "4" "$(wc -l <"$SAVED")"
check_eq "no command lines" "" "$(algorithm_lines "$SAVED")"

echo "-- every drawing tool"
tool square
for name in circle blob line1 line2 line3 lloop1 lloop2 lloop3; do
  tool "$name" 1 2
done
check_saved "one command per tool" "Zeichne Quadrat" "Zeichne Kreis" "Zeichne Blob" \
  "Zeichne Rasterlinie" "Zeichne freie Linie" "Zeichne weiche Linie" \
  "Zeichne Rasterlinienzug" "Zeichne freien Linienzug" "Zeichne weichen Linienzug"

echo "-- field arithmetic with 3, -3 and 0"
tool restart
tool x 1 3 # the x row is selected from the start: each click steps it
for op in abs rel mul div; do tool "$op"; done
tool y # selects the y row only
tool y 3 3
for op in abs rel mul div; do tool "$op"; done
tool y 1 3
for op in abs rel mul div; do tool "$op"; done
check_saved "arithmetic" "Gib x den Wert 3" "Addiere 3 zu x" "Multipliziere x mit 3" \
  "Dividiere x durch 3" "Gib y den Wert -3" "Subtrahiere 3 von y" "Multipliziere y mit -3" \
  "Dividiere y durch -3" "Gib y den Wert 0" "Multipliziere y mit 0"

echo "-- undo removes the current command"
click_at $(line_xy 10)
tool undo 1 2
check_saved "after two undos" "Gib x den Wert 3" "Addiere 3 zu x" "Multipliziere x mit 3" \
  "Dividiere x durch 3" "Gib y den Wert -3" "Subtrahiere 3 von y" "Multipliziere y mit -3" \
  "Dividiere y durch -3"

echo "-- a repeat block of three with two commands inside"
tool restart 3 # the right button restarts too
tool c 3 7     # the right button steps the count down at once: 10 to 3
tool repeat 1 2
tool square 1 2
tool circle 1 2
check_saved "repeat block" "Wiederhole 3 mal:" "  Zeichne Quadrat" "  Zeichne Kreis" \
  "Wiederhole bis hier."
click_at $(line_xy 1)
tool undo
check_saved "undo of the repeat start" "Zeichne Quadrat" "Zeichne Kreis"

echo "-- holding a field steps it until the release, wherever that is"
tool restart
press_at $(tool_xy ${TOOL[y]}) # the y row is still selected
sleep 0.9                      # a step at once, more after 500 and 785 ms
release_at $(cell_xy 12 20)
tool abs
sleep 0.5
tool abs
save_algorithm
first=$(head -n 1 <(algorithm_lines "$SAVED"))
[[ "$first" =~ ^"Gib y den Wert "([0-9]+)$ ]] && ((BASH_REMATCH[1] >= 2)) ||
  fail "holding the y field did not repeat: $first"
check_eq "no steps after the release" "$(printf '%s\n' "$first" "$first")" \
  "$(algorithm_lines "$SAVED")"

press_key Escape
await_exit
check_eq "exit status" "0" "$EXIT_STATUS"
check_stderr "$WORKSPACE/stderr.txt"
exit $TEST_FAILED
