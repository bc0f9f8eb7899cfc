// The editor: what the learner's input and the passing of time do to the
// program. Events arrive here from the window and go to the controller of
// the panel or the concern they belong to; each controller keeps its own
// part of the EditorState and leaves as requests to the Window (a frame, a
// timer, the idle step, the end). Nothing here draws, so every action can
// be driven in a test without a window.
#ifndef QUOVADRIN_EDITOR_EDITOR_H
#define QUOVADRIN_EDITOR_EDITOR_H

#include "editor/canvas_controller.h"
#include "editor/editor_context.h"
#include "editor/file_controller.h"
#include "editor/hold_controller.h"
#include "editor/label_controller.h"
#include "editor/listing_controller.h"
#include "editor/mouse_event.h"
#include "editor/pick_actions.h"
#include "editor/pick_role.h"
#include "editor/run_controller.h"
#include "editor/tool_actions.h"

struct EditorState;

class Editor final : public PickActions {
public:
  /// Every file the editor saves is written through \p Storage.
  Editor(Session &Work, EditorState &State, Window &Host, Picker &Picks,
         const FileOperations &Storage);
  Editor(const Editor &) = delete;
  Editor &operator=(const Editor &) = delete;

  // Events from the window.
  /// A mouse button pressed or released anywhere on the screen.
  void onMouse(const MouseEvent &Event);
  /// The pointer moved with a button held (a listing line is dragged).
  void onListingDrag(int X, int Y);
  /// The pointer moved without a button held (a canvas edit mode).
  void onPassiveMotion(int X, int Y);
  /// A timer armed with \p Generation has fired.
  void onTimer(unsigned Generation);
  /// A key.
  void onKeyboard(unsigned char Key);
  /// One animation step; the window's idle callback while a run is active.
  void idleStep();

private:
  /// The left button's action on \p Pick (tool panel, pen menu, file list),
  /// given to the controller the name belongs to. The holds and the canvas
  /// reach these through PickActions.
  void primaryAction(const PickResult &Pick) override;
  /// The right button's action on \p Pick.
  void secondaryAction(const PickResult &Pick) override;

  bool keepsFileList(const MouseEvent &Event) const;
  bool ignoredDuringLineDrag(const MouseEvent &Event, Panel Under) const;
  void toolPanelAction(PickRole Role, PickName Name, bool Left);
  void buttonAction(PickRole Role);

  EditorContext Context;
  LabelController Labels;
  RunController Runs;
  HoldController Holds;
  ListingController Listing;
  FileController Files;
  CanvasController Canvas;
  ToolActions Tools;
};

#endif
