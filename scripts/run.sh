#!/usr/bin/env bash
# Installs what is missing, builds Quovadrin and starts it full-screen.
# The program runs in a workspace outside the source tree, so that the
# learner's saved algorithms and pictures survive rebuilds and `git clean`:
#   ${XDG_DATA_HOME:-~/.local/share}/quovadrin
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages "$QUOVADRIN_ROOT/scripts/packages-build.txt"
build_tree "$QUOVADRIN_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DQUOVADRIN_TESTS=OFF \
  -DQUOVADRIN_BENCH=OFF

workspace="${XDG_DATA_HOME:-$HOME/.local/share}/quovadrin"
"$QUOVADRIN_ROOT/scripts/prepare-workspace.sh" "$QUOVADRIN_ROOT/build/release" "$workspace"

if [[ -z "${DISPLAY:-}" ]] || ! xdpyinfo >/dev/null 2>&1; then
  echo "Quovadrin needs a graphical display: no X server is reachable (DISPLAY='${DISPLAY:-}')." >&2
  exit 1
fi

cd "$workspace"
exec "$QUOVADRIN_ROOT/build/release/quovadrin" "$@"
