#!/usr/bin/env bash
# Installs what is missing, builds Quovadrin and starts it full-screen
# (run.sh --window: in a window). The display is checked first, so that a
# start without one says so at once instead of after the build.
# The program runs in a workspace outside the source tree, so that the
# learner's saved algorithms and pictures survive rebuilds and `git clean`:
#   ${XDG_DATA_HOME:-~/.local/share}/quovadrin
set -euo pipefail
source "$(dirname "$0")/common.sh"

no_display() {
  echo "Quovadrin needs a graphical display: no X server is reachable (DISPLAY='${DISPLAY:-}')." >&2
  exit 1
}

[[ -n "${DISPLAY:-}" ]] || no_display
# xdpyinfo, which asks the server, comes with the build's packages.
ensure_packages "$QUOVADRIN_ROOT/scripts/packages-build.txt"
xdpyinfo >/dev/null 2>&1 || no_display

build_tree "$QUOVADRIN_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DQUOVADRIN_TESTS=OFF \
  -DQUOVADRIN_BENCH=OFF

workspace="${XDG_DATA_HOME:-$HOME/.local/share}/quovadrin"
"$QUOVADRIN_ROOT/scripts/prepare-workspace.sh" "$QUOVADRIN_ROOT/build/release" "$workspace"

cd "$workspace"
exec "$QUOVADRIN_ROOT/build/release/quovadrin" "$@"
