#!/usr/bin/env bash
# Runs the GL tests in a private Xvfb server. Needs QUOVADRIN_BUILD.
set -uo pipefail
source "$(dirname "$0")/../e2e/xserver.sh"
trap stop_xserver EXIT
start_xvfb 1280x1024x24 || exit 1
# The tests read the generated images and write files relative to a scratch
# directory laid out like the program's working directory.
scratch=$(mktemp -d)
"$(dirname "$0")/../../scripts/prepare-workspace.sh" "$QUOVADRIN_BUILD" "$scratch"
cd "$scratch" || exit 1
"$QUOVADRIN_BUILD/tests/gl/gl_tests" --gtest_brief=1
status=$?
cd / && rm -rf "$scratch"
exit $status
