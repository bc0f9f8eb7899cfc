# Drives the real program for end-to-end tests. Sourced, not run.
# Needs QUOVADRIN_BUILD (a release build tree holding the program and the
# generated images).

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"

PROGRAM_PID=
WORKSPACE=
PROGRAM_OUT=
TEST_FAILED=0

fail() {
  echo "FAIL: $*" >&2
  TEST_FAILED=1
}

check_eq() { # check_eq WHAT EXPECTED ACTUAL
  [[ "$2" == "$3" ]] || fail "$1: expected '$2', got '$3'"
}

# A fresh working directory with the data folders, as the run script makes it.
make_workspace() {
  WORKSPACE=$(mktemp -d)
  "$(dirname "${BASH_SOURCE[0]}")/../../scripts/prepare-workspace.sh" "$QUOVADRIN_BUILD" "$WORKSPACE"
}

start_program() {
  PROGRAM_OUT="$WORKSPACE/stdout.txt"
  (cd "$WORKSPACE" && exec "$QUOVADRIN_BUILD/quovadrin" >"$PROGRAM_OUT" 2>"$WORKSPACE/stderr.txt") &
  PROGRAM_PID=$!
}

# Waits until the program's standard output holds a line matching PATTERN.
await_output() {
  local pattern=$1 tries=0
  until grep -q -E "$pattern" "$PROGRAM_OUT" 2>/dev/null; do
    ((tries++ < 300)) || return 1
    sleep 0.1
  done
}

# Waits for the program to end (at most ~20 s) and sets EXIT_STATUS; it must
# not run in a subshell, which could not wait for the program.
EXIT_STATUS=
await_exit() {
  local tries=0
  while kill -0 "$PROGRAM_PID" 2>/dev/null; do
    if ((tries++ > 200)); then
      kill "$PROGRAM_PID" 2>/dev/null
      wait "$PROGRAM_PID" 2>/dev/null
      PROGRAM_PID=
      EXIT_STATUS=timeout
      return
    fi
    sleep 0.1
  done
  EXIT_STATUS=0
  wait "$PROGRAM_PID" || EXIT_STATUS=$?
  PROGRAM_PID=
}

# Waits until the first frame is on screen: the screen centre is no longer black.
await_frame() {
  local tries=0
  sleep 0.5
  until [[ "$(screen_pixel $((${1:-640})) $((${2:-512})))" != "0,0,0" ]]; do
    ((tries++ < 100)) || return 1
    sleep 0.2
  done
}

screenshot() { import -display "$DISPLAY" -window root "$1"; }

# screen_pixel X Y -> "r,g,b" with 8-bit components, from a fresh screenshot.
screen_pixel() {
  local shot="$WORKSPACE/pixel.png"
  screenshot "$shot"
  image_pixel "$shot" "$1" "$2"
}

image_pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

click() { # click X Y [BUTTON]
  xdotool mousemove --sync "$1" "$2" click "${3:-1}"
}

press_key() { xdotool key "$1"; }

cleanup_program() {
  if [[ -n "$PROGRAM_PID" ]] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
  fi
  PROGRAM_PID=
  stop_xserver
  [[ -n "$WORKSPACE" && "${KEEP_WORKSPACE:-0}" != 1 ]] && rm -rf "$WORKSPACE"
  WORKSPACE=
}

# dark_fraction FILE X Y W H -> share of pixels darker than half grey in the
# rectangle, 0.000 to 1.000.
dark_fraction() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -colorspace Gray -threshold 50% \
    -format "%[fx:1-mean]" info: | awk '{printf "%.3f", $1}'
}

# grey_value FILE X Y -> the red component 0..255 of one pixel.
grey_value() {
  image_pixel "$1" "$2" "$3" | cut -d, -f1
}

# check_stderr FILE: standard error holds only the line saying how the Shapes
# are drawn; Mesa's software renderer has framebuffer objects.
check_stderr() {
  check_eq "standard error" \
    "Formen: Zwischenbild im Framebuffer-Objekt, jede Form wird einmal gezeichnet." "$(cat "$1")"
}

# in_range WHAT VALUE LOW HIGH
in_range() {
  awk -v v="$2" -v lo="$3" -v hi="$4" 'BEGIN { exit !(v >= lo && v <= hi) }' ||
    fail "$1: $2 not within $3..$4"
}

# Pointer actions in layout units of the whole screen (1024 x 768, origin top
# left), whatever the screen size: SCREEN_W x SCREEN_H pixels (default the
# 1280 x 1024 of the largest mode). A layout point maps to the pixel that
# holds it, so the centre of a widget is hit at every resolution.
SCREEN_W=1280
SCREEN_H=1024
layout_px() { echo $((($1 * SCREEN_W + SCREEN_W / 2) / 1024)); }
layout_py() { echo $((($1 * SCREEN_H + SCREEN_H / 2) / 768)); }
# A point of the tool panel, the canvas or the listing panel, each given in
# its own panel's layout units.
tool_xy() { echo "$(layout_px "$1") $(layout_py "$2")"; }
canvas_xy() { echo "$(layout_px $(($1 + 256))) $(layout_py "$2")"; }
listing_xy() { echo "$(layout_px $(($1 + 768))) $(layout_py "$2")"; }
# --sync waits until the pointer has moved, which it never does when it is
# already there: a second click on the same spot would wait ~15 s.
move_to() {
  [[ "$(xdotool getmouselocation --shell | head -n 2 | tr '\n' ' ')" == "X=$1 Y=$2 " ]] && return
  xdotool mousemove --sync "$1" "$2"
}
press_at() { move_to "$1" "$2"; xdotool mousedown "${3:-1}"; }
release_at() { move_to "$1" "$2"; xdotool mouseup "${3:-1}"; }
# click_at X Y [BUTTON]: press and release in place, then give the program a
# moment to act on it.
click_at() {
  move_to "$1" "$2"
  xdotool click "${3:-1}"
  sleep "${CLICK_PAUSE:-0.15}"
}
