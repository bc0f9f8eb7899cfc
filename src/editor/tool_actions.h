// What the tool panel's Buttons and Labels do: choosing a tool, a parameter
// row or a control highlights it, and clicking the highlighted thing again
// performs it (inserts a command after the current one, or steps a value).
// While a listing line is open for editing, the same clicks change that
// command where it is of their kind.
#ifndef QUOVADRIN_EDITOR_TOOL_ACTIONS_H
#define QUOVADRIN_EDITOR_TOOL_ACTIONS_H

#include "editor/editor_context.h"
#include "editor/pick_name.h"

class FieldLabels;
class ValueLabel;
struct ListingState;
struct ToolSelection;

class ToolActions {
public:
  /// \p ListingView tells whether a line is open for editing, and forgets
  /// the pressed line when the algorithm is emptied.
  ToolActions(EditorContext Shared, ToolSelection &Selection, FieldLabels &FieldValues,
              ListingState &ListingView)
      : Context(Shared), Tools(Selection), Labels(FieldValues), Listing(ListingView) {}

  /// A drawing tool: the first click chooses it, the next draws with it.
  void toolAction(ShapeKind Tool);
  /// The dice: a random value command with r, upper and lower.
  void diceAction();
  /// The repeat Button: a repeat block with the count c.
  void repeatAction();
  /// Undo deletes the current command.
  void undoAction();
  /// Parameter row \p Row: chosen, or stepped once it is chosen.
  void fieldAction(int Row, bool Increment);
  /// c, r, upper or lower; the left button chooses first (\p TwoClick).
  void controlLabelAction(ValueLabel &Label, bool Increment, bool TwoClick);
  /// abs, rel, mul or div on the chosen row's Variable.
  void valueAction(PickName Action);
  /// Empties the algorithm and the picture; the left button also closes the
  /// open line.
  void restart(bool LeftButton);
  /// Empties everything and ends the program.
  void quit();
  /// The print Button says it cannot print.
  void print();

private:
  void updateEditedRow(int Row);
  void updateEditedControl(const ValueLabel &Label);

  EditorContext Context;
  ToolSelection &Tools;
  FieldLabels &Labels;
  ListingState &Listing;
};

#endif
