#!/usr/bin/env bash
# The web page's benchmark: builds the page (scripts/web.sh --build-only) and
# times it in Chromium (headless), Firefox ESR and WebKitGTK, these two in a
# private Xvfb server: the program's start and frames (web_bench.mjs) and
# the learner's storage (storage_bench.mjs) and the teacher's overview and links
# (teachers_bench.mjs):
#   run_web_bench.sh [--ratio R] [--engines chromium,firefox,webkit] [--runs N]
# R is the device pixel ratio (1 by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/web.sh" --build-only >/dev/null
source "$root/scripts/common.sh"
source "$root/tests/e2e/xserver.sh"
ensure_packages "$root/scripts/packages-test.txt"
command -v npm >/dev/null || ensure_packages "$root/scripts/packages-npm.txt"
if ! (cd "$root/tests/web" && npm ls --silent >/dev/null 2>&1); then
  (cd "$root/tests/web" && npm ci --no-audit --no-fund >/dev/null)
fi
trap stop_xserver EXIT
start_xvfb 2600x2300x24
node "$root/bench/web_bench.mjs" "$root/build/web" "$@"
node "$root/bench/storage_bench.mjs" "$root/build/web" "$@"
node "$root/bench/teachers_bench.mjs" "$root/build/web" "$@"
