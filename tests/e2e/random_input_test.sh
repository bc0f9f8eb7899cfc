#!/usr/bin/env bash
# A class of learners at the real program: 2,000 random clicks, drags, held
# buttons and keys (never quit, never Escape), with saved files deleted or
# damaged in between, against the program built with AddressSanitizer and
# UndefinedBehaviorSanitizer. Afterwards the program must be alive, answer a
# save with both files, every .alg it wrote must read back and write again to
# the same bytes, and the sanitizers must have reported nothing.
# QUOVADRIN_ASAN_BUILD names the sanitizer build tree (build/sanitize).
set -uo pipefail
source "$(dirname "$0")/program.sh"
trap cleanup_program EXIT

QUOVADRIN_BUILD=${QUOVADRIN_ASAN_BUILD:-"$(cd "$(dirname "$0")/../.." && pwd)/build/sanitize"}
ACTIONS=${QUOVADRIN_E2E_ACTIONS:-2000}
RANDOM=${QUOVADRIN_E2E_SEED:-20261207}
if [[ ! -x "$QUOVADRIN_BUILD/quovadrin" || ! -x "$QUOVADRIN_BUILD/tools/quovadrin_alg_check" ]]; then
  echo "no sanitizer build of the program in $QUOVADRIN_BUILD" >&2
  exit 1
fi

start_xorg_dummy 1280x1024
make_workspace
export ASAN_OPTIONS="log_path=$WORKSPACE/sanitizer:detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="log_path=$WORKSPACE/sanitizer:print_stacktrace=1:halt_on_error=1"
start_program
await_output "hertz" || fail "no start-up report"
await_frame || fail "no frame drawn"

# Places worth aiming at (layout units of the whole screen): every tool-panel
# Button and field, the canvas's top rows where the pen starts, the listing's
# lines and strips. Clicks elsewhere come from the whole screen.
TARGETS=(40:165 95:165 150:165 40:220 95:220 150:220 40:275 95:275 150:275
  52:352 142:352 138:350 95:352 18:310 18:395 152:432 152:442 152:452 152:462
  152:472 152:482 152:492 152:502 152:512 152:522 20:560 50:560 80:560 110:560
  47:590 40:610 97:680 40:750 100:750 230:753 60:700 60:712 60:724
  266:10 290:30 310:60 900:30 900:40 900:60 900:100 900:12 900:756)
# The quit Button, which would end the session: x 130 to 190, y 740 to 760.
is_quit() { (($1 >= 155 && $1 <= 245 && $2 >= 980)); }

random_point() { # sets PX PY: a target or anywhere, never on quit
  while :; do
    if ((RANDOM % 3)); then
      local t=${TARGETS[RANDOM % ${#TARGETS[@]}]}
      # As layout_px and layout_py, without a subshell per point.
      PX=$(((${t%%:*} * SCREEN_W + SCREEN_W / 2) / 1024 + RANDOM % 5 - 2))
      PY=$(((${t##*:} * SCREEN_H + SCREEN_H / 2) / 768))
    else
      PX=$((RANDOM % SCREEN_W))
      PY=$((RANDOM % SCREEN_H))
    fi
    is_quit "$PX" "$PY" || return 0
  done
}

KEYS=(space p a q x Return BackSpace 1 0 minus Tab Up F1)
batch=()
add_action() {
  local kind=$((RANDOM % 100)) button=$((RANDOM % 4 ? 1 : 3))
  random_point
  # A click as its two halves: xdotool's own click waits 100 ms.
  if ((kind < 62)); then
    batch+=(mousemove "$PX" "$PY" mousedown "$button" mouseup "$button")
  elif ((kind < 84)); then
    batch+=(mousemove "$PX" "$PY" mousedown "$button")
    random_point
    batch+=(mousemove "$PX" "$PY")
    random_point
    batch+=(mousemove "$PX" "$PY" mouseup "$button")
  elif ((kind < 94)); then
    batch+=(key "${KEYS[RANDOM % ${#KEYS[@]}]}")
  elif ((kind < 95)); then
    # Held long enough for a value field or a strip to repeat.
    batch+=(mousemove "$PX" "$PY" mousedown "$button" sleep 0.6 mouseup "$button")
  else
    batch+=(sleep 0.05)
  fi
}

# CPU time the program has used so far, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$PROGRAM_PID/stat" 2>/dev/null || echo 0; }

# Waits until the program has caught up with the events sent so far: its CPU
# time stops growing for a moment (an animated run never stops; at most
# the given number of seconds).
await_quiet() {
  local limit=$((SECONDS + ${1:-3})) last now
  last=$(cpu_ticks)
  while ((SECONDS < limit)); do
    sleep 0.15
    now=$(cpu_ticks)
    ((now == last)) && return 0
    last=$now
  done
}

tamper_with_a_file() {
  local files=("$WORKSPACE"/vorpAlgorithms/*.alg)
  [[ -e "${files[0]}" ]] || return 0
  local victim=${files[RANDOM % ${#files[@]}]}
  case $((RANDOM % 3)) in
  0) rm -rf "$victim" ;;
  1) rm -rf "$victim" && head -c 3000 /dev/urandom >"$victim" ;;
  2) rm -rf "$victim" && mkdir "$victim" ;;
  esac
}

started=$SECONDS
for ((done = 0; done < ACTIONS; done++)); do
  add_action
  if ((${#batch[@]} > 120 || done == ACTIONS - 1)); then
    xdotool "${batch[@]}" 2>/dev/null
    batch=()
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    ((RANDOM % 16 == 0)) && tamper_with_a_file
  fi
done
xdotool mouseup 1 mouseup 3 2>/dev/null
echo "sent $done random actions in $((SECONDS - started)) s"
await_quiet 10

# Tampered files are the learner's loss, not the program's: only what the
# program itself wrote since is checked below.
find "$WORKSPACE/vorpAlgorithms" -mindepth 1 -maxdepth 1 -type d -exec rm -rf {} +
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program is no longer running"

before=$(ls "$WORKSPACE"/vorpAlgorithms/*.alg 2>/dev/null | wc -l)
click_at $(tool_xy 40 750)
tries=0
until (($(ls "$WORKSPACE"/vorpAlgorithms/*.alg 2>/dev/null | wc -l) > before)); do
  ((tries++ < 100)) || break
  sleep 0.1
done
newest=$(ls -t "$WORKSPACE"/vorpAlgorithms/*.alg 2>/dev/null | head -1)
if [[ -z "$newest" ]] || (($(ls "$WORKSPACE"/vorpAlgorithms/*.alg | wc -l) <= before)); then
  fail "a save after the random actions wrote no algorithm file"
else
  picture="$WORKSPACE/vorpImages/$(basename "$newest" .alg).png"
  [[ -s "$picture" ]] || fail "the save wrote no picture beside $(basename "$newest")"
fi

# Files that were damaged on purpose are left out: they are not the program's.
written=()
for file in "$WORKSPACE"/vorpAlgorithms/*.alg; do
  [[ -f "$file" ]] && head -c 37 "$file" | grep -q '^\*\{37\}$' && written+=("$file")
done
echo "checking ${#written[@]} saved algorithm files"
if ((${#written[@]})); then
  "$QUOVADRIN_BUILD/tools/quovadrin_alg_check" "${written[@]}" >"$WORKSPACE/alg_check.txt" 2>&1 ||
    fail "saved files do not read back: $(cat "$WORKSPACE/alg_check.txt")"
fi

if compgen -G "$WORKSPACE/sanitizer*" >/dev/null; then
  fail "the sanitizers reported: $(cat "$WORKSPACE"/sanitizer*)"
fi
exit $TEST_FAILED
