#!/usr/bin/env bash
# run.sh without a reachable display stops at once with the reason, before it
# builds anything or creates the learner's workspace.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# expect_no_display DISPLAY_VALUE: run.sh with that display (empty: none).
expect_no_display() {
  local output status
  output=$(cd "$work" && env -u DISPLAY ${1:+DISPLAY="$1"} XDG_DATA_HOME="$work/data" \
    timeout 60 "$root/scripts/run.sh" 2>&1)
  status=$?
  ((status == 1)) || fail "DISPLAY='$1': exit status $status, not 1"
  [[ "$output" == "Quovadrin needs a graphical display: no X server is reachable (DISPLAY='$1')." ]] ||
    fail "DISPLAY='$1': output was: $output"
  [[ ! -e "$work/data" ]] || fail "DISPLAY='$1': the workspace was created"
}

expect_no_display ""
# A display named but not there: the server is asked before the build.
expect_no_display ":9999"

exit $failed
