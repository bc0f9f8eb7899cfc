// The value Labels of the tool panel: stepping them (constants count up and
// down, the operands of upper, lower and r walk their rings of Variables),
// showing the Variables' values in them, and loading the parameters of the
// current command into them.
#ifndef QUOVADRIN_EDITOR_LABEL_CONTROLLER_H
#define QUOVADRIN_EDITOR_LABEL_CONTROLLER_H

#include "editor/editor_context.h"
#include "editor/field_labels.h"

struct ToolSelection;

class LabelController {
public:
  /// \p Tools is where loading a draw command chooses its tool.
  LabelController(EditorContext Shared, FieldLabels &Values, ToolSelection &Chosen)
      : Context(Shared), Labels(Values), Tools(Chosen) {}

  FieldLabels &labels() { return Labels; }

  /// One step up or down of \p Label; its target takes the operand's value.
  /// The repeat count stays within 1 .. 2147483647.
  void increment(ValueLabel &Label);
  void decrement(ValueLabel &Label);
  /// The ten user Variables to their start values, shown in their Labels.
  void resetVariables();
  /// The ten parameter Labels show their Variables' values.
  void refreshValues();
  /// The ten user Variables get the run snapshot's values back, shown in
  /// their Labels.
  void restoreSnapshotValues();
  /// The Labels of \p Which show its value, with a constant that holds it,
  /// so that stepping them afterwards goes on from there.
  void holdValue(UserVariable Which);
  /// The parameters of the current command into the Labels and selections.
  void loadCommand();

private:
  EditorContext Context;
  FieldLabels &Labels;
  ToolSelection &Tools;
};

#endif
