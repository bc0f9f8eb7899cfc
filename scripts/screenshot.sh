#!/usr/bin/env bash
# Regenerates docs/start-screen.png, the README's picture of the start
# screen: the real program in game mode at 1280 x 1024 under Xorg's dummy
# driver, photographed once its first frame is on screen.
set -euo pipefail
source "$(dirname "$0")/common.sh"
ensure_packages "$QUOVADRIN_ROOT/scripts/packages-build.txt" "$QUOVADRIN_ROOT/scripts/packages-test.txt"
build_tree "$QUOVADRIN_ROOT/build/release" -DCMAKE_BUILD_TYPE=Release -DQUOVADRIN_TESTS=OFF \
  -DQUOVADRIN_BENCH=OFF
export QUOVADRIN_BUILD="$QUOVADRIN_ROOT/build/release"
source "$QUOVADRIN_ROOT/tests/e2e/program.sh"
trap cleanup_program EXIT
start_xorg_dummy 1280x1024
make_workspace
start_program
await_output "hertz"
await_frame
sleep 0.5
mkdir -p "$QUOVADRIN_ROOT/docs"
screenshot "$QUOVADRIN_ROOT/docs/start-screen.png"
echo "wrote docs/start-screen.png"
