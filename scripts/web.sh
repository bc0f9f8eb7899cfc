#!/usr/bin/env bash
# Builds Quovadrin as a web page into build/web/ and serves it at
# http://127.0.0.1:8000/ until stopped (Ctrl+C):
#   web.sh [--build-only] [--port N]
# Installs what is missing first. The images are drawn by a native build of
# the image generator, then embedded in the page; Emscripten builds the rest
# offline. build/web/ is all a web server needs. QUOVADRIN_WEB_IMAGES may name
# the data folder of a native build that has the images already.
set -euo pipefail
source "$(dirname "$0")/common.sh"

serve=1
port=8000
while (($#)); do
  case "$1" in
  --build-only) serve=0 ;;
  --port)
    port=$2
    shift
    ;;
  *)
    echo "usage: web.sh [--build-only] [--port N]" >&2
    exit 2
    ;;
  esac
  shift
done

ensure_packages "$QUOVADRIN_ROOT/scripts/packages-build.txt" "$QUOVADRIN_ROOT/scripts/packages-web.txt"

# emcc finds Debian's JavaScript modules (acorn) only on this path when the
# node on the PATH is not Debian's own.
export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs

images=${QUOVADRIN_WEB_IMAGES:-}
if [[ -z "$images" ]]; then
  build_tree "$QUOVADRIN_ROOT/build/web-images" -DCMAKE_BUILD_TYPE=Release -DQUOVADRIN_TESTS=OFF \
    -DQUOVADRIN_BENCH=OFF -- quovadrin_data
  images="$QUOVADRIN_ROOT/build/web-images/data"
fi

page="$QUOVADRIN_ROOT/build/web"
emcmake cmake -S "$QUOVADRIN_ROOT" -B "$QUOVADRIN_ROOT/build/web-build" -G Ninja \
  -DQUOVADRIN_WEB=ON -DCMAKE_BUILD_TYPE=Release -DQUOVADRIN_WEB_IMAGES="$images" \
  -DQUOVADRIN_WEB_PAGE_DIR="$page" >/dev/null
cmake --build "$QUOVADRIN_ROOT/build/web-build"
echo "The page is in $page"

((serve)) || exit 0
echo "Serving Quovadrin at http://127.0.0.1:$port/ (stop with Ctrl+C)"
cd "$page"
exec python3 -m http.server "$port" --bind 127.0.0.1
