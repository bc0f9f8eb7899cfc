// Entry point of the web page: the WebGL context on the page's canvas, the
// platform and the host at the canvas's size, its events, and the first
// frame. The page's script (web/workspace.js) has filled the working
// directory from the learner's storage and claimed this tab's seed before
// this runs; the images are packed into the page.
#include <cstdio>
#include <ctime>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "host/host.h"
#include "web/page.h"
#include "web/web_events.h"
#include "web/web_platform.h"

namespace {

const char ImageFolder[] = "/images/";

bool makeContext() {
  EmscriptenWebGLContextAttributes Attributes;
  emscripten_webgl_init_context_attributes(&Attributes);
  Attributes.alpha = EM_FALSE;
  Attributes.depth = EM_FALSE;
  Attributes.stencil = EM_FALSE;
  Attributes.antialias = EM_FALSE;
  Attributes.majorVersion = 1;
  const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE Context =
      emscripten_webgl_create_context("#canvas", &Attributes);
  return Context > 0 && emscripten_webgl_make_context_current(Context) == EMSCRIPTEN_RESULT_SUCCESS;
}

} // namespace

int main() {
  if (!makeContext()) {
    std::printf("WebGL steht in diesem Browser nicht zur Verfuegung.\n");
    pageWebglMissing();
    return 1;
  }
  const ScreenSize Buffer = sizeCanvasToPage();
  std::printf("Starte Quovadrin.\nSeite mit %dx%d Pixeln\n", Buffer.Width, Buffer.Height);
  // The page lives as long as the program, which the browser ends with the
  // page: neither is ever destroyed, so neither is given a destructor to
  // run.
  WebPlatform &Page = *new WebPlatform(ImageFolder);
  if (!Page.ready()) {
    std::printf("Die Grafik konnte nicht eingerichtet werden.\n");
    return 1;
  }
  // The seed the page claimed for this tab, so that no two tabs' saves
  // share a name; the start time where it claimed none.
  const int32_t Seed = pageSeed(static_cast<int32_t>(std::time(nullptr)));
  Host &Laboratory = *new Host(Seed, Page, Buffer);
  Page.serve(Laboratory);
  attachWebEvents(Page);
  Page.drawFrame();
  return 0;
}
