// The editor's side of the program: where the panels lie, how the canvas
// is shown, what the editor is in the middle of, the value Labels and the
// message, and one slice of state per concern. The slices are plain data
// below the controllers: every controller is handed the slices it works
// on, and the frame builders read them all. The editor changes them; a
// frame never does.
#ifndef QUOVADRIN_EDITOR_EDITOR_STATE_H
#define QUOVADRIN_EDITOR_EDITOR_STATE_H

#include "editor/canvas_edit_state.h"
#include "editor/field_labels.h"
#include "editor/file_state.h"
#include "editor/hold_state.h"
#include "editor/interaction_mode.h"
#include "editor/listing_state.h"
#include "editor/message.h"
#include "editor/tool_selection.h"
#include "editor/window_layout.h"

struct EditorState {
  explicit EditorState(const VariableSet &Vars) : Labels(Vars) {}

  WindowLayout Layout;
  /// The canvas shows the grid and the pen marker and draws shapes in grey;
  /// off after a run, for the clean picture.
  bool GridVisible = true;
  InteractionMode Mode = InteractionMode::Idle;
  Message Popup;
  /// The value Labels.
  FieldLabels Labels;

  /// What the tool panel highlights.
  ToolSelection Tools;
  /// Buttons held, auto-repeat and auto-scroll.
  HoldState Hold;
  /// The listing's top line and the line pressed or open.
  ListingState Listing;
  /// The pen menu, the pointer on the canvas and the edit mode's start.
  CanvasEditState Canvas;
  /// The saved-file list.
  FileState Files;
};

#endif
