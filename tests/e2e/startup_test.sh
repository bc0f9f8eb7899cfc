#!/usr/bin/env bash
# Start-up of the real program: the game mode it chooses and reports, the
# failure without any usable mode, the white screen, and Escape.
set -uo pipefail
source "$(dirname "$0")/program.sh"
trap cleanup_program EXIT

report_line() { # the second line of the start-up report, without the refresh rate
  sed -n 2p "$PROGRAM_OUT" | sed -E 's/und [0-9]+ hertz$/und N hertz/'
}

echo "-- largest mode on a display offering all three"
start_xorg_dummy 1280x1024 1024x768 800x600
make_workspace
start_program
await_output "hertz" || fail "no start-up report"
check_eq "first report line" "Starte Quovadrin." "$(sed -n 1p "$PROGRAM_OUT")"
check_eq "report" "Bildschirmaufloesung 1280x1024 Pixel bei 32 bit Farbtiefe und N hertz" "$(report_line)"
grep -q -E '^Bildschirmaufloesung .* und [0-9]+ hertz$' "$PROGRAM_OUT" || fail "refresh rate missing"
await_frame || fail "no frame drawn"
check_eq "screen size" "1280x1024" "$(xdpyinfo | awk '/dimensions:/ {print $2}')"
press_key Escape
await_exit
check_eq "exit status after Escape" "0" "$EXIT_STATUS"
cleanup_program

echo "-- a display that offers only 800x600"
start_xorg_dummy 800x600
make_workspace
start_program
await_output "hertz" || fail "no start-up report at 800x600"
check_eq "report" "Bildschirmaufloesung 800x600 Pixel bei 32 bit Farbtiefe und N hertz" "$(report_line)"
await_frame 400 300 || fail "no frame drawn at 800x600"
press_key Escape
await_exit
check_eq "exit status after Escape" "0" "$EXIT_STATUS"
cleanup_program

echo "-- no game mode possible (Xvfb)"
start_xvfb
make_workspace
start_program
await_exit
check_eq "exit status without a mode" "1" "$EXIT_STATUS"
check_eq "console output" "Bildschirmmodi werden von der Grafikkarte nicht unterstützt." \
  "$(cat "$PROGRAM_OUT")"
check_eq "console lines" "1" "$(wc -l <"$PROGRAM_OUT")"
cleanup_program

exit $TEST_FAILED
