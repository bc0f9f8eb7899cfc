#!/usr/bin/env bash
# Builds the Debian package of Quovadrin, for installing it on machines with
# apt or dpkg like any other program:
#   package.sh [--build BUILD_DIR] [--out OUTPUT_DIR]
# Without --build it builds the release tree build/release (the one run.sh
# uses); with it, an already configured tree is brought up to date as it is
# (the test script passes its own, to build nothing twice). The package goes
# to build/package unless --out names another folder; its path is printed.
set -euo pipefail
source "$(dirname "$0")/common.sh"

build=
out="$QUOVADRIN_ROOT/build/package"
while (($#)); do
  case "$1" in
  --build) build=$2 ;;
  --out) out=$2 ;;
  *)
    echo "usage: $0 [--build BUILD_DIR] [--out OUTPUT_DIR]" >&2
    exit 2
    ;;
  esac
  shift 2
done

ensure_packages "$QUOVADRIN_ROOT/scripts/packages-build.txt" \
  "$QUOVADRIN_ROOT/scripts/packages-package.txt"
if [[ -z "$build" ]]; then
  build="$QUOVADRIN_ROOT/build/release"
  build_tree "$build" -DCMAKE_BUILD_TYPE=Release -DQUOVADRIN_TESTS=OFF -DQUOVADRIN_BENCH=OFF
else
  cmake --build "$build"
fi

mkdir -p "$out"
log="$out/cpack.log"
if ! (cd "$build" && cpack -G DEB -B "$out") >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
deb=$(sed -n -E 's/^CPack: - package: (.*\.deb) generated\.$/\1/p' "$log")
echo "$deb"
