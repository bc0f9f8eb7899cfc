// The editor's side of the program: the screen size, how the canvas is
// shown, what the editor is in the middle of, the pointer, the value Labels
// and the message, and the state of each controller. The editor changes
// it; the window draws it and never changes it.
#ifndef QUOVADRIN_EDITOR_EDITOR_STATE_H
#define QUOVADRIN_EDITOR_EDITOR_STATE_H

#include "editor/canvas_controller.h"
#include "editor/editor_context.h"
#include "editor/field_labels.h"
#include "editor/file_controller.h"
#include "editor/hold_controller.h"
#include "editor/listing_controller.h"
#include "editor/tool_actions.h"

struct EditorState {
  explicit EditorState(const VariableSet &Vars) : Labels(Vars) {}

  ScreenSize Screen;
  /// The canvas shows the grid and the pen marker and draws shapes in grey;
  /// off after a run, for the clean picture.
  bool GridVisible = true;
  InteractionMode Mode = InteractionMode::Idle;
  PointerPosition Pointer;
  Message Popup;
  /// The value Labels (LabelController).
  FieldLabels Labels;

  /// What the tool panel highlights (ToolActions).
  ToolSelection Tools;
  /// Buttons held, auto-repeat and auto-scroll (HoldController).
  HoldState Hold;
  /// The listing's top line and the line pressed or open (ListingController).
  ListingState Listing;
  /// The pen menu and the edit mode's start (CanvasController).
  CanvasEditState Canvas;
  /// The save letter and the saved-file list (FileController).
  FileState Files;
};

#endif
