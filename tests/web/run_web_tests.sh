#!/usr/bin/env bash
# The browser tier: builds the web page (scripts/web.sh --build-only),
# installs the pinned browser drivers, and tells the page's stories in three
# engines: Chromium headless, Firefox ESR and WebKitGTK in a private Xvfb
# server (headless Firefox has no WebGL):
#   run_web_tests.sh [--engines chromium,firefox,webkit] [--only TEXT]
# The desktop build in QUOVADRIN_BUILD (default build/test) gives the images,
# the desktop's .alg checker and the desktop program the page's pixels are
# compared with. The stories serve the page themselves on a free port of
# 127.0.0.1.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/common.sh"
source "$root/tests/e2e/xserver.sh"

ensure_packages "$root/scripts/packages-build.txt" "$root/scripts/packages-web.txt" \
  "$root/scripts/packages-test.txt"
command -v npm >/dev/null || ensure_packages "$root/scripts/packages-npm.txt"
desktop=${QUOVADRIN_BUILD:-$root/build/test}
# The desktop's own writer, to compare the page's .alg bytes with, and the
# desktop program for the pixel comparison.
cmake --build "$desktop" --target quovadrin quovadrin_data quovadrin_alg_check >/dev/null
QUOVADRIN_WEB_IMAGES="$desktop/data" "$root/scripts/web.sh" --build-only >/dev/null

cd "$root/tests/web"
if ! npm ls --silent >/dev/null 2>&1; then
  npm ci --no-audit --no-fund >/dev/null
fi

# One X server for Firefox and WebKit, large enough for a 1280 x 1024 window
# at a device pixel ratio of 2, and for three such windows side by side
# (WebKit's tabs of one profile).
trap stop_xserver EXIT
start_xvfb 3900x2300x24
export QUOVADRIN_ALG_CHECK="$desktop/tools/quovadrin_alg_check"
export QUOVADRIN_BUILD="$desktop"
node run_stories.mjs "$root/build/web" "$@"
