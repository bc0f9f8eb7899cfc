#!/usr/bin/env bash
# The web page's benchmark: builds the page (scripts/web.sh --build-only)
# and times it in headless Chromium: the program's start and frames
# (web_bench.mjs) and the learner's storage (storage_bench.mjs):
#   run_web_bench.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/web.sh" --build-only >/dev/null
source "$root/scripts/common.sh"
command -v npm >/dev/null || ensure_packages "$root/scripts/packages-npm.txt"
if [[ ! -d "$root/tests/web/node_modules/playwright-core" ]]; then
  (cd "$root/tests/web" && npm ci --no-audit --no-fund >/dev/null)
fi
node "$root/bench/web_bench.mjs" "$root/build/web"
node "$root/bench/storage_bench.mjs" "$root/build/web"
