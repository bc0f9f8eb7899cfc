#!/usr/bin/env bash
# A learner saves, empties the editor and loads the file back; clicks a
# listed file deleted since the list was made (the program says so and goes
# on with the algorithm); and quits with either button, status 0.
set -uo pipefail
source "$(dirname "$0")/program.sh"
source "$(dirname "$0")/learner.sh"
trap cleanup_program EXIT

# file_entry_xy I N: the middle of entry I (from 0) of a file list of N
# files, which grows upwards from y = 730 in rows of 12 units.
file_entry_xy() { tool_xy 120 $((730 - 12 * $2 + 12 * $1 + 6)); }
# The listing shows text on lines 1 to N and none on line N + 1.
listing_shows() {
  local k
  for ((k = 1; k <= $1; k++)); do
    (($(awk -v f="$(line_fraction "$SHOT" "$k")" 'BEGIN { print (f > 0.02) }'))) || return 1
  done
  [[ "$(line_fraction "$SHOT" $(($1 + 1)))" == "0.000" ]]
}

start_xorg_dummy 1280x1024 1024x768 800x600
launch_program || fail "the program did not start"

echo "-- save, empty the editor, load the file back"
tool restart
tool square
tool repeat 1 2
tool circle 1 2
check_saved "the algorithm to load" "Zeichne Quadrat" "Wiederhole 10 mal:" "  Zeichne Kreis" \
  "Wiederhole bis hier."
first=$SAVED
tool restart
tool square 1 2 # the circle was the selected tool
await_shot listing_shows 1 || fail "the listing does not show the one new command"
tool load
click_at $(file_entry_xy 0 1)
await_shot listing_shows 4 || fail "the listing does not show the loaded commands"
save_algorithm
cmp -s "$first" "$SAVED" || fail "the loaded algorithm saves differently: $(algorithm_lines "$SAVED")"

echo "-- a listed file deleted before its click"
tool load
gone=$(basename "$first")
rm "$first"
click_at $(file_entry_xy 0 2)
await_output "konnte nicht geoeffnet" || fail "no console message for the deleted file"
check_eq "console message" "$(printf '\nDatei vorpAlgorithms/%s konnte nicht geoeffnet werden!!! :-(\n.' "$gone")" \
  "$(tail -n +3 "$PROGRAM_OUT"; echo .)"
# "Datei konnte nicht geoeffnet werden" is 245 units wide, from x = 134.
await_shot message_shown 137 || fail "no message on the canvas"
kept=$SAVED
save_algorithm
cmp -s "$kept" "$SAVED" || fail "the algorithm changed: $(algorithm_lines "$SAVED")"

echo "-- quit with the left button"
tool quit
await_exit
check_eq "exit status" "0" "$EXIT_STATUS"
check_stderr "$WORKSPACE/stderr.txt"

echo "-- quit with the right button"
launch_program || fail "the program did not start again"
tool quit 3
await_exit
check_eq "exit status" "0" "$EXIT_STATUS"
exit $TEST_FAILED
