// Thin adapters from the browser's events to the editor, with the meanings
// GLUT gives them on the desktop: a button released anywhere ends its press,
// motion with a button held drags, motion without one is passive, and keys
// arrive as the characters the program knows.
#include "web/web_events.h"

#include <cstdint>
#include <cstring>
#include <emscripten.h>
#include <emscripten/html5.h>

#include "host/host.h"
#include "web/page.h"
#include "web/web_platform.h"

namespace {

WebPlatform *Running = nullptr;
/// The mouse buttons pressed on the canvas and not yet released.
int HeldButtons = 0;

const char CanvasTarget[] = "#canvas";

bool running() { return Running && !Running->host().ended(); }

MouseButton buttonOf(unsigned short DomButton) {
  if (DomButton == 0)
    return MouseButton::Left;
  if (DomButton == 2)
    return MouseButton::Right;
  return MouseButton::Middle;
}

// The canvas lies at the page's top left corner with one drawing-buffer
// pixel per CSS pixel, so client coordinates are canvas pixels.
void sendButton(const EmscriptenMouseEvent &Event, ButtonState State) {
  PointerEvent Pointer;
  Pointer.Button = buttonOf(Event.button);
  Pointer.State = State;
  Pointer.X = static_cast<int>(Event.clientX);
  Pointer.Y = static_cast<int>(Event.clientY);
  Running->host().pointerButton(Pointer);
  Running->afterEvent();
}

EM_BOOL onMouseDown(int, const EmscriptenMouseEvent *Event, void *) {
  if (!running())
    return EM_FALSE;
  HeldButtons |= 1 << Event->button;
  sendButton(*Event, ButtonState::Down);
  return EM_TRUE;
}

EM_BOOL onMouseUp(int, const EmscriptenMouseEvent *Event, void *) {
  const int Bit = 1 << Event->button;
  if (!running() || !(HeldButtons & Bit))
    return EM_FALSE;
  HeldButtons &= ~Bit;
  sendButton(*Event, ButtonState::Up);
  return EM_TRUE;
}

EM_BOOL onMouseMove(int, const EmscriptenMouseEvent *Event, void *) {
  if (!running())
    return EM_FALSE;
  const PointerMotion Motion{static_cast<int>(Event->clientX), static_cast<int>(Event->clientY)};
  if (Running->host().pointerMotion(Motion, HeldButtons != 0))
    Running->afterEvent();
  return EM_FALSE;
}

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
  emscripten_set_mousedown_callback(CanvasTarget, nullptr, EM_FALSE, onMouseDown);
  emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE, onMouseUp);
  emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE,
                                    onMouseMove);
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
  HeldButtons = 0;
}

void fitCanvasToPage() {
  const int Width = pageCanvasWidth(), Height = pageCanvasHeight();
  emscripten_set_canvas_element_size(CanvasTarget, Width, Height);
  if (Running)
    Running->host().resize({Width, Height});
}

Host *runningHost() { return Running ? &Running->host() : nullptr; }
