#!/usr/bin/env bash
# The browser tier: builds the web page (scripts/web.sh --build-only),
# installs the pinned browser driver, and tells the page's stories in
# headless Chromium (the program, tabs sharing storage, uploads and zips,
# the page offline and as an app):
#   run_web_tests.sh
# The desktop build in QUOVADRIN_BUILD (default build/test) gives the images
# and the desktop's .alg checker. The stories serve the page themselves on a
# free port of 127.0.0.1.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/common.sh"

ensure_packages "$root/scripts/packages-build.txt" "$root/scripts/packages-web.txt"
command -v npm >/dev/null || ensure_packages "$root/scripts/packages-npm.txt"
desktop=${QUOVADRIN_BUILD:-$root/build/test}
# The desktop's own writer, to compare the page's .alg bytes with.
cmake --build "$desktop" --target quovadrin_data quovadrin_alg_check >/dev/null
QUOVADRIN_WEB_IMAGES="$desktop/data" "$root/scripts/web.sh" --build-only >/dev/null

cd "$root/tests/web"
if [[ ! -d node_modules/playwright-core ]]; then
  npm ci --no-audit --no-fund >/dev/null
fi
# Each file of stories serves the page itself and prints its own summary.
failed=0
for stories in stories.mjs tab_stories.mjs upload_stories.mjs offline_stories.mjs; do
  echo "-- $stories"
  QUOVADRIN_ALG_CHECK="$desktop/tools/quovadrin_alg_check" node "$stories" "$root/build/web" || failed=1
done
exit $failed
