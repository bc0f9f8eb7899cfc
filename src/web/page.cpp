// Calls into the page's script. Each hook is optional, so the program also
// runs in a bare page (the hooks are defined by web/page.js).
#include "web/page.h"

#include <emscripten.h>

namespace {

// The paths arrive one per line: no path the program saves holds a line end.
EM_JS(void, callFilesSaved, (const char *Paths), {
  if (Module.onFilesSaved)
    Module.onFilesSaved(UTF8ToString(Paths).split('\n'));
});

EM_JS(void, callFrameDrawn, (), {
  if (Module.onFrameDrawn)
    Module.onFrameDrawn();
});

EM_JS(void, callProgramEnded, (int Status), {
  if (Module.onProgramEnded)
    Module.onProgramEnded(Status);
});

// The seed the page claimed for this tab (web/workspace.js), so that no two
// tabs save under one name; the start time where the page claimed none.
EM_JS(int, claimedSeed, (int StartTime),
      { return typeof Module.quovadrinSeed == 'number' ? Module.quovadrinSeed : StartTime; });

EM_JS(void, callWebglMissing, (), {
  if (window.quovadrinWebglMissing)
    window.quovadrinWebglMissing();
});

EM_JS(int, canvasCssWidth, (), { return Math.max(1, Math.floor(Module.canvas.clientWidth)); });
EM_JS(int, canvasCssHeight, (), { return Math.max(1, Math.floor(Module.canvas.clientHeight)); });
// Named apart from the window's own property, which a function of the same
// name in this script would replace.
EM_JS(double, quovadrinPixelRatio, (), {
  const Ratio = Number(window.devicePixelRatio);
  return Ratio > 0 && Number.isFinite(Ratio) ? Ratio : 1;
});

} // namespace

void pageFilesSaved(const std::vector<std::string> &Paths) {
  std::string Lines;
  for (const std::string &Path : Paths)
    Lines += (Lines.empty() ? "" : "\n") + Path;
  callFilesSaved(Lines.c_str());
}

void pageFrameDrawn() { callFrameDrawn(); }

void pageProgramEnded(int Status) { callProgramEnded(Status); }

int32_t pageSeed(int32_t StartTime) { return claimedSeed(StartTime); }

void pageWebglMissing() { callWebglMissing(); }

int pageCanvasWidth() { return canvasCssWidth(); }

int pageCanvasHeight() { return canvasCssHeight(); }

double pageDevicePixelRatio() { return quovadrinPixelRatio(); }
