#!/usr/bin/env bash
# The layer check passes on the sources as they are and fails, naming file
# and line, on a copy with a forbidden include planted in it.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check="$root/scripts/check-layers.sh"
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

"$check" "$root/src" >/dev/null || fail "the sources as they are do not pass"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# plant FILE LINE TEXT EXPECTED: inserts TEXT as line LINE of a fresh copy of
# src/FILE; the check must fail with EXPECTED in its report.
plant() {
  rm -rf "$work/src" && cp -r "$root/src" "$work/src"
  sed -i "$2i $3" "$work/src/$1"
  local report
  report=$("$check" "$work/src")
  local status=$?
  ((status != 0)) || fail "$1 with '$3' passed"
  grep -qF "$4" <<<"$report" || fail "$1 with '$3': report lacks '$4': $report"
}

plant model/command.cpp 5 '#include "exec/random.h"' \
  "$work/src/model/command.cpp:5: model may not include \"exec/random.h\" (layer exec)"
plant exec/run.cpp 4 '#include "files/alg_writer.h"' "exec/run.cpp:4: exec may not include"
plant editor/editor.cpp 3 '#include "app/screen.h"' "editor/editor.cpp:3: editor may not include \"app/screen.h\""
plant editor/editor.cpp 3 '#include <GL/gl.h>' "editor/editor.cpp:3: editor may not include <GL/gl.h>"
plant gfx/read_back.cpp 3 '#include "model/algorithm.h"' "gfx/read_back.cpp:3: gfx may not include"
plant gfx/read_back.cpp 3 '#include <GL/freeglut.h>' "gfx may not include <GL/freeglut.h>"
plant files/alg_writer.cpp 5 '#include "editor/editor.h"' "files/alg_writer.cpp:5: files may not include"
plant svg/svg_picture.cpp 3 '#include "editor/editor.h"' "svg/svg_picture.cpp:3: svg may not include \"editor/editor.h\""
plant render/render_batch.cpp 3 '#include <GL/gl.h>' "render/render_batch.cpp:3: render may not include <GL/gl.h>"
# The host: above the screen, below every platform, without GL.
plant host/host.cpp 3 '#include <GL/gl.h>' "host/host.cpp:3: host may not include <GL/gl.h>"
plant host/host.cpp 3 '#include "app/screen.h"' "host/host.cpp:3: host may not include \"app/screen.h\""
plant screen/screen_frame.cpp 3 '#include "host/host.h"' "screen/screen_frame.cpp:3: screen may not include \"host/host.h\""
# The web page's layers: nothing below uses them, and they keep to WebGL.
plant screen/screen_frame.cpp 3 '#include "webgl/draw_program.h"' "screen/screen_frame.cpp:3: screen may not include"
plant webgl/draw_program.cpp 3 '#include "web/page.h"' "webgl/draw_program.cpp:3: webgl may not include \"web/page.h\""
plant webgl/draw_program.cpp 3 '#include "app/screen.h"' "webgl may not include \"app/screen.h\""
plant web/page.cpp 3 '#include <GL/gl.h>' "web/page.cpp:3: web may not include <GL/gl.h>"

exit $failed
