#!/usr/bin/env bash
# A shared school folder holds, under .alg names, a named pipe, a link to
# /dev/zero, a folder and a file larger than the program reads. The learner
# composes and saves, opens the file list (only the loadable file is in it),
# and clicks listed files that have turned into a pipe, a device link and an
# oversized file since the list was made: each click is answered at once with
# the console line and the message, and the work goes on and saves intact.
# alg_check refuses the same names without waiting. Runs against the program
# built with AddressSanitizer and UndefinedBehaviorSanitizer
# (QUOVADRIN_ASAN_BUILD, build/sanitize).
set -uo pipefail
source "$(dirname "$0")/program.sh"
source "$(dirname "$0")/learner.sh"

QUOVADRIN_BUILD=${QUOVADRIN_ASAN_BUILD:-"$(cd "$(dirname "$0")/../.." && pwd)/build/sanitize"}
ALG_CHECK="$QUOVADRIN_BUILD/tools/quovadrin_alg_check"
if [[ ! -x "$QUOVADRIN_BUILD/quovadrin" || ! -x "$ALG_CHECK" ]]; then
  echo "no sanitizer build of the program in $QUOVADRIN_BUILD" >&2
  exit 1
fi
SANITIZER_DIR=$(mktemp -d)
trap 'cleanup_program; rm -rf "$SANITIZER_DIR"' EXIT
export ASAN_OPTIONS="log_path=$SANITIZER_DIR/report:detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="log_path=$SANITIZER_DIR/report:print_stacktrace=1:halt_on_error=1"

# One byte more than the largest algorithm file the program reads.
OVERSIZED=$((4 * 1024 * 1024 + 1))

file_entry_xy() { tool_xy 120 $((730 - 12 * $2 + 12 * $1 + 6)); }
# The rows of the file list in $SHOT: counted upwards from the bottom row
# while the panel's light grey shows at its right end, where no name reaches.
list_rows() {
  local rows=0
  while ((rows < 60)); do
    local xy=($(tool_xy 216 $((730 - 12 * rows - 6))))
    in_range_quiet "$(grey_value "$SHOT" "${xy[0]}" "${xy[1]}")" 200 208 || break
    rows=$((rows + 1))
  done
  echo "$rows"
}
refusals() { grep -c "konnte nicht geoeffnet werden" "$PROGRAM_OUT"; }

# click_refused WHAT I N: clicks entry I of a list of N rows and waits for the
# console line the click must bring; says how long the answer took. A
# program that waits for the file never answers: the deadline is generous,
# the figure is what counts.
click_refused() {
  local before after started elapsed
  before=$(refusals)
  started=$(date +%s%N)
  click_at $(file_entry_xy "$2" "$3")
  until (($(refusals) > before)); do
    if (($(date +%s%N) - started > 15000000000)); then
      fail "$1: no answer within 15 s"
      return 1
    fi
    sleep 0.01
  done
  elapsed=$((($(date +%s%N) - started) / 1000000))
  echo "   $1 refused after $elapsed ms (click included)"
  check_eq "$1: console line" "Datei vorpAlgorithms/victim.alg konnte nicht geoeffnet werden!!! :-(" \
    "$(tail -n 1 "$PROGRAM_OUT")"
  await_shot message_shown 137 || fail "$1: no message on the canvas"
}

start_xorg_dummy 1280x1024
launch_program || fail "the program did not start"
folder="$WORKSPACE/vorpAlgorithms"

echo "-- the learner composes and saves"
tool restart
tool circle 1 2
tool c 3 7 # the count down from 10 to 3
tool repeat 1 2
tool blob 1 2
work=("Zeichne Kreis" "Wiederhole 3 mal:" "  Zeichne Blob" "Wiederhole bis hier.")
check_saved "the work" "${work[@]}"
saved=$SAVED

echo "-- the list offers only the file a click can load"
mkfifo "$folder/fifo.alg"
ln -s /dev/zero "$folder/zero.alg"
truncate -s "$OVERSIZED" "$folder/huge.alg"
mkdir "$folder/folder.alg"
tool load
await_shot '(($(list_rows) > 0))' || fail "no file list"
check_eq "rows of the list" "1" "$(list_rows)"
click_at $(file_entry_xy 0 1)
check_eq "refusals after loading the listed file" "0" "$(refusals)"

echo "-- listed files that turned into a pipe, a device link and an oversized file"
turn_into() { # turn_into KIND: replaces victim.alg
  rm -f "$folder/victim.alg"
  case $1 in
  pipe) mkfifo "$folder/victim.alg" ;;
  device) ln -s /dev/zero "$folder/victim.alg" ;;
  oversized) head -c "$OVERSIZED" /dev/zero | tr '\0' 'x' >"$folder/victim.alg" ;;
  esac
}
for kind in pipe device oversized; do
  rm -f "$folder/victim.alg" # the pipe of the round before would wait for a reader
  printf 'Zeichne Quadrat\r\n' >"$folder/victim.alg"
  tool load
  # The saved work and victim.alg; the rest stays out of the list.
  await_shot '(($(list_rows) == 2))' || fail "$kind: the list has $(list_rows) rows, not 2"
  turn_into "$kind"
  click_refused "$kind" 1 2
done

echo "-- the work goes on and saves intact"
click_at $(line_xy 4)
tool square 1 2
check_saved "the work after the refusals" "${work[@]}" "Zeichne Quadrat"

echo "-- alg_check refuses the same names without waiting"
started=$(date +%s%N)
timeout 20 "$ALG_CHECK" "$folder/fifo.alg" "$folder/zero.alg" "$folder/huge.alg" \
  "$folder/folder.alg" "$saved" >"$WORKSPACE/alg_check.txt" 2>&1
status=$?
echo "   alg_check answered after $((($(date +%s%N) - started) / 1000000)) ms"
check_eq "alg_check status" "1" "$status"
check_eq "alg_check report" "$(printf '%s\n' "$folder/fifo.alg: is not a regular file" \
  "$folder/zero.alg: is not a regular file" "$folder/huge.alg: is larger than the program reads" \
  "$folder/folder.alg: is not a regular file")" "$(cat "$WORKSPACE/alg_check.txt")"

echo "-- quit"
tool quit
await_exit
check_eq "exit status" "0" "$EXIT_STATUS"
check_stderr "$WORKSPACE/stderr.txt"
if compgen -G "$SANITIZER_DIR/report*" >/dev/null; then
  fail "the sanitizers reported: $(cat "$SANITIZER_DIR"/report*)"
fi
exit $TEST_FAILED
