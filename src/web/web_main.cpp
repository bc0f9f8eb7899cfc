// Entry point of the web page: the WebGL context on the page's canvas, the
// program at the canvas's size, its events, and the first frame. The page's
// script (web/workspace.js) has filled the working directory from the
// learner's storage and claimed this tab's seed before this runs; the images
// are packed into the page.
#include <cstdio>
#include <ctime>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "web/page.h"
#include "web/web_application.h"
#include "web/web_events.h"

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
  const int Width = pageCanvasWidth(), Height = pageCanvasHeight();
  emscripten_set_canvas_element_size("#canvas", Width, Height);
  std::printf("Starte Quovadrin.\nSeite mit %dx%d Pixeln\n", Width, Height);
  // The page lives as long as the program: it is never destroyed.
  static WebApplication Quovadrin(pageSeed(static_cast<int32_t>(std::time(nullptr))), ImageFolder,
                                  {Width, Height});
  if (!Quovadrin.ready()) {
    std::printf("Die Grafik konnte nicht eingerichtet werden.\n");
    return 1;
  }
  attachWebEvents(Quovadrin);
  Quovadrin.drawFrame();
  return 0;
}
