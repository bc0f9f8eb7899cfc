// What the tool panel's value Labels do with the Variables: stepping a
// Label (constants count up and down, the operands of upper, lower and r
// walk their rings of Variables), showing the Variables' values after a run
// or a reset, and taking over the parameters of the current command. These
// work on the state slices alone, so every controller can use them without
// reaching into another.
#ifndef QUOVADRIN_EDITOR_FIELD_VALUES_H
#define QUOVADRIN_EDITOR_FIELD_VALUES_H

class EditorHost;
class FieldLabels;
class Session;
class ValueLabel;
class VariableSet;
struct ToolSelection;

/// One step up or down of \p Label; its target takes the operand's value.
/// The repeat count stays within 1 .. 2147483647.
void stepLabel(ValueLabel &Label, const VariableSet &Vars, bool Up);

/// The parameter Labels show the Variables' values, and a frame is asked for.
void showFieldValues(FieldLabels &Labels, EditorHost &Host);
/// The ten user Variables to their start values, shown in their Labels.
void resetFieldVariables(Session &Work, FieldLabels &Labels, EditorHost &Host);
/// The ten user Variables get the run snapshot's values back, shown in
/// their Labels.
void restoreSnapshotValues(Session &Work, FieldLabels &Labels, EditorHost &Host);

/// The parameters of the current command into the Labels and the
/// selections: a repeat's count, a random value's target and bounds, the
/// value an arithmetic command gives its row's Variable, a draw command's
/// tool.
void loadCommandIntoEditor(Session &Work, FieldLabels &Labels, ToolSelection &Tools);

#endif
