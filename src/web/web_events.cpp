// Thin adapters from the browser's events to the program. The pointer comes
// as Pointer Events (mouse, finger and pen alike) that the page's script
// (web/pointer_input.js) forwards raw; PointerGestures turns them into the
// presses and motions the desktop's mouse gives. Keys arrive as the
// characters the program knows, from the keyboard or from the page's key
// buttons.
#include "web/web_events.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "host/host.h"
#include "host/pointer_gestures.h"
#include "web/page.h"
#include "web/web_platform.h"

namespace {

WebPlatform *Running = nullptr;
PointerGestures *Gestures = nullptr;
/// Window pixels per CSS pixel: the drawing buffer's scale.
double BufferScale = 1.0;
ScreenSize CssSize;

const char CanvasTarget[] = "#canvas";

bool running() { return Running && !Running->host().ended(); }

void onGestureTimer(void *Generation) {
  if (!running() || !Gestures)
    return;
  Gestures->timer(static_cast<unsigned>(reinterpret_cast<uintptr_t>(Generation)));
  Running->afterEvent();
}

class BrowserGestureTimers final : public GestureTimers {
public:
  void armGestureTimer(int Milliseconds, unsigned Generation) override {
    emscripten_set_timeout(onGestureTimer, Milliseconds,
                           reinterpret_cast<void *>(static_cast<uintptr_t>(Generation)));
  }
};

BrowserGestureTimers GestureClock;

/// The character GLUT would deliver for a key, or 0 for keys it has none
/// for (arrows, function keys) and for shortcuts the browser keeps.
unsigned char characterOf(const EmscriptenKeyboardEvent &Event) {
  if (Event.ctrlKey || Event.altKey || Event.metaKey)
    return 0;
  const size_t Length = std::strlen(Event.key);
  if (Length == 1)
    return static_cast<unsigned char>(Event.key[0]);
  const struct {
    const char *Name;
    unsigned char Character;
  } Named[] = {{"Escape", 27}, {"Enter", 13}, {"Backspace", 8}, {"Tab", 9}, {"Delete", 127}};
  for (const auto &Key : Named)
    if (std::strcmp(Event.key, Key.Name) == 0)
      return Key.Character;
  return 0;
}

EM_BOOL onKeyDown(int, const EmscriptenKeyboardEvent *Event, void *) {
  if (!running())
    return EM_FALSE;
  const unsigned char Character = characterOf(*Event);
  if (Character == 0)
    return EM_FALSE;
  Running->host().key(Character);
  Running->afterEvent();
  return EM_TRUE;
}

EM_BOOL onResize(int, const EmscriptenUiEvent *, void *) {
  if (running())
    fitCanvasToPage();
  return EM_FALSE;
}

void onTimer(void *Generation) {
  if (!running())
    return;
  Running->host().timer(static_cast<unsigned>(reinterpret_cast<uintptr_t>(Generation)));
  Running->afterEvent();
}

void onAnimationFrame() {
  if (running())
    Running->animationFrame();
}

} // namespace

void attachWebEvents(WebPlatform &Page) {
  Running = &Page;
  // The recognizer lives as long as the page, like the platform.
  Gestures = new PointerGestures(Page.host(), GestureClock, BufferScale);
  emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onKeyDown);
  emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, onResize);
  // Frame rate 0: the browser's animation frames pace the loop.
  emscripten_set_main_loop(onAnimationFrame, 0, EM_FALSE);
}

void armEventTimer(int Milliseconds, unsigned Generation) {
  emscripten_set_timeout(onTimer, Milliseconds,
                         reinterpret_cast<void *>(static_cast<uintptr_t>(Generation)));
}

void stopEvents() {
  emscripten_cancel_main_loop();
  emscripten_html5_remove_all_event_listeners();
}

ScreenSize sizeCanvasToPage() {
  CssSize = {pageCanvasWidth(), pageCanvasHeight()};
  const double Ratio = std::min(std::max(pageDevicePixelRatio(), 1.0), MaxBufferScale);
  BufferScale = Ratio;
  const ScreenSize Buffer{static_cast<int>(std::lround(CssSize.Width * Ratio)),
                          static_cast<int>(std::lround(CssSize.Height * Ratio))};
  emscripten_set_canvas_element_size(CanvasTarget, Buffer.Width, Buffer.Height);
  if (Gestures)
    Gestures->setScale(Ratio);
  return Buffer;
}

void fitCanvasToPage() {
  const ScreenSize Buffer = sizeCanvasToPage();
  if (Running)
    Running->host().resize(Buffer);
}

ScreenSize canvasCssSize() { return CssSize; }

double canvasBufferScale() { return BufferScale; }

Host *runningHost() { return Running ? &Running->host() : nullptr; }

// Called by web/pointer_input.js for every pointer event over the program
// (and every later one of a pointer that went down there), in CSS pixels
// from the canvas's top left corner. Kind: 0 mouse, 1 touch, 2 pen; action:
// 0 down, 1 move, 2 up, 3 cancel; buttons as the event's `buttons`.
extern "C" EMSCRIPTEN_KEEPALIVE void quovadrinPointer(int Id, int Kind, int Action, int Buttons,
                                                      double CssX, double CssY) {
  if (!running() || !Gestures || Kind < 0 || Kind > 2 || Action < 0 || Action > 3)
    return;
  RawPointer Event;
  Event.Id = Id;
  Event.Kind = static_cast<PointerKind>(Kind);
  Event.Action = static_cast<PointerAction>(Action);
  Event.Buttons = Buttons;
  Event.X = static_cast<int>(std::floor(CssX * BufferScale));
  Event.Y = static_cast<int>(std::floor(CssY * BufferScale));
  Gestures->pointer(Event);
  Running->afterEvent();
}

// The page's key buttons: what Escape, the space bar and 'p' do.
extern "C" EMSCRIPTEN_KEEPALIVE void quovadrinKey(int Character) {
  if (!running() || Character <= 0 || Character > 255)
    return;
  Running->host().key(static_cast<unsigned char>(Character));
  Running->afterEvent();
}
