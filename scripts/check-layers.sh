#!/usr/bin/env bash
# Checks that every source under src/ includes only headers of the layers its
# folder may use, and names each file and line that does not:
#   check-layers.sh [SRC_DIR]
# The table is the one src/CMakeLists.txt links by; a forbidden include that
# happens to compile would still tie two layers together.
set -uo pipefail
src=${1:-"$(cd "$(dirname "$0")/../src" && pwd)"}

# layer: the project folders it may include (its own is always allowed) |
# the system headers it may not: the window system and OpenGL stay out of
# the layers below the window, libpng out of those that need no PNG. The web
# page's back end (webgl) and platform (web) use WebGL's own headers.
declare -A uses forbids
while IFS='|' read -r layer used banned; do
  uses[$layer]=$used
  forbids[$layer]=$banned
done <<'TABLE'
model||GL/ png.h
exec|model|GL/ png.h
files|model exec|GL/
editor|model exec files|GL/ png.h
screen|model exec files editor|GL/ png.h
svg|model exec files screen|GL/ png.h
render|model exec files screen svg|GL/ png.h
host|model exec files editor screen svg|GL/ png.h
gfx||GL/glut.h GL/freeglut
app|model exec files editor screen svg render host gfx|
webgl|model exec files editor screen|GL/ png.h
web|model exec files editor screen svg render host webgl|GL/ png.h
TABLE

status=0
for layer in "${!uses[@]}"; do
  [[ -d "$src/$layer" ]] || continue
  allowed=" $layer ${uses[$layer]} "
  while IFS=: read -r file line text; do
    header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]*)[">].*/\1/' <<<"$text")
    if [[ "$text" =~ \" ]]; then
      folder=${header%%/*}
      [[ "$header" == */* ]] || folder=$layer
      if [[ -n "${uses[$folder]+set}" && "$allowed" != *" $folder "* ]]; then
        echo "$file:$line: $layer may not include \"$header\" (layer $folder)"
        status=1
      fi
    else
      for banned in ${forbids[$layer]}; do
        if [[ "$header" == "$banned"* ]]; then
          echo "$file:$line: $layer may not include <$header>"
          status=1
        fi
      done
    fi
  done < <(grep -n -H -E '^[[:space:]]*#[[:space:]]*include' "$src/$layer"/*.h "$src/$layer"/*.cpp 2>/dev/null)
done
if ((status == 0)); then
  echo "layers: every include is allowed"
fi
exit $status
