#!/usr/bin/env bash
# Runs the display benchmark in a private Xvfb: run_display_bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build/test}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tests/e2e/xserver.sh"
trap stop_xserver EXIT
start_xvfb 1280x1024x24
work=$(mktemp -d)
"$root/scripts/prepare-workspace.sh" "$build" "$work"
cd "$work"
"$build/bench/bench_display"
rm -rf "$work"
