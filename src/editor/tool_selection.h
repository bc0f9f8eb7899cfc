// What the tool panel highlights: the drawing tool, the parameter row and
// the control of the random/repeat area. Clicking a highlighted thing again
// performs it.
#ifndef QUOVADRIN_EDITOR_TOOL_SELECTION_H
#define QUOVADRIN_EDITOR_TOOL_SELECTION_H

#include "editor/pick_name.h"

struct ToolSelection {
  /// The drawing tool: the shape kind its pick name equals.
  ShapeKind SelectedTool = ShapeKind::Square;
  /// The highlighted parameter row, 1 to 10.
  int SelectedFieldRow = 1;
  /// The highlighted control of the random/repeat area.
  PickName SelectedControl = PickName::Dice;
};

#endif
