// The editor: what the learner's input and the passing of time do to the
// program. Events arrive here from the host and go to the controller of the
// panel or the concern they belong to, with points already in that panel's
// units; each controller works on its own slices of the EditorState and
// returns what it needs of another part as a request, which the editor
// carries out. Every action on a picked name goes through the pick table.
// What the editor needs from outside leaves as requests to the EditorHost
// (a frame, a timer, the idle step, a save, the end). Nothing here draws,
// so every action can be driven in a test without a window.
#ifndef QUOVADRIN_EDITOR_EDITOR_H
#define QUOVADRIN_EDITOR_EDITOR_H

#include <string>

#include "editor/canvas_controller.h"
#include "editor/editor_context.h"
#include "editor/file_controller.h"
#include "editor/hold_controller.h"
#include "editor/listing_controller.h"
#include "editor/pick_handlers.h"
#include "editor/pointer_event.h"
#include "editor/run_controller.h"
#include "editor/tool_actions.h"

struct EditorState;

class Editor {
public:
  Editor(Session &Work, EditorState &State, EditorHost &Host, Picker &Picks);
  Editor(const Editor &) = delete;
  Editor &operator=(const Editor &) = delete;

  /// A button pressed or released anywhere on the screen.
  void onPointer(const PointerEvent &Event);
  /// The pointer moved with a button held (a listing line is dragged).
  void onDrag(const PointerMotion &Motion);
  /// The pointer moved without a button held (a canvas edit mode).
  void onPassiveMotion(const PointerMotion &Motion);
  /// A timer armed with \p Generation has fired.
  void onTimer(unsigned Generation);
  /// A key.
  void onKeyboard(unsigned char Key);
  /// One animation step; the host's idle call while a run is active.
  void idleStep();
  /// The algorithm file \p Path in place of the learner's algorithm, as an
  /// entry of the saved-file list loads it.
  LoadResult openAlgorithmFile(const std::string &Path);

private:
  /// Carries out \p Request through the pick table: the handler of its
  /// button, then a frame unless the handler drew one or ended the program.
  void act(const PickRequest &Request);
  bool keepsFileList(const PointerEvent &Event);
  bool ignoredDuringLineDrag(const PointerEvent &Event, Panel Under) const;
  void onCanvasMouse(const PointerEvent &Event);
  void onListingMouse(const PointerEvent &Event);

  const WindowLayout &Layout;
  EditorContext Context;
  RunController Runs;
  HoldController Holds;
  ListingController Listing;
  FileController Files;
  CanvasController Canvas;
  ToolActions Tools;
  PickHandlers Handlers;
};

#endif
