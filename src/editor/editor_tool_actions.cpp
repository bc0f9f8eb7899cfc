// What each name of the tool panel does under the left and the right button:
// choosing a tool, a parameter row or a control highlights it, and clicking
// the highlighted thing again performs it. While a listing line is open for
// editing, the same clicks change that command where it is of their kind.
#include "editor/editor.h"

#include <climits>

#include "editor/editor_state.h"
#include "editor/window.h"
#include "exec/run.h"
#include "exec/session.h"
#include "exec/shape_creation.h"
#include "files/saved_files.h"

namespace {

/// What a picked name is, for the two buttons' actions.
enum class PickRole {
  None,
  Tool,
  Dice,
  Repeat,
  Undo,
  Go,
  Save,
  Load,
  Field,
  Print,
  PenMenu,
  ControlLabel,
  ValueButton,
  Restart,
  Quit,
  FileEntry,
};

PickRole roleOf(int Pick) {
  if (Pick >= pickValue(PickName::FirstFileEntry) && Pick < pickValue(PickName::Quit))
    return PickRole::FileEntry;
  switch (static_cast<PickName>(Pick)) {
  case PickName::Square:
  case PickName::Circle:
  case PickName::Blob:
  case PickName::RasterLine:
  case PickName::FreeLine:
  case PickName::SoftLine:
  case PickName::RasterPolyline:
  case PickName::FreePolyline:
  case PickName::SoftPolyline:
    return PickRole::Tool;
  case PickName::Dice:
    return PickRole::Dice;
  case PickName::Repeat:
    return PickRole::Repeat;
  case PickName::Undo:
    return PickRole::Undo;
  case PickName::Go:
    return PickRole::Go;
  case PickName::Save:
    return PickRole::Save;
  case PickName::Load:
    return PickRole::Load;
  case PickName::FieldX:
  case PickName::FieldY:
  case PickName::FieldW:
  case PickName::FieldH:
  case PickName::FieldV:
  case PickName::FieldHorizontal:
  case PickName::FieldD:
  case PickName::FieldN:
  case PickName::FieldMax:
  case PickName::FieldMin:
    return PickRole::Field;
  case PickName::Print:
    return PickRole::Print;
  case PickName::XyAbs:
  case PickName::HvAbs:
  case PickName::DAbs:
  case PickName::WhAbs:
  case PickName::XyRel:
  case PickName::HvRel:
  case PickName::DRel:
  case PickName::WhRel:
  case PickName::Stamp:
    return PickRole::PenMenu;
  case PickName::Count:
  case PickName::RandomTarget:
  case PickName::Upper:
  case PickName::Lower:
    return PickRole::ControlLabel;
  case PickName::Abs:
  case PickName::Rel:
  case PickName::Mul:
  case PickName::Div:
    return PickRole::ValueButton;
  case PickName::Restart:
    return PickRole::Restart;
  case PickName::Quit:
    return PickRole::Quit;
  case PickName::UpStrip:
  case PickName::DownStrip:
  case PickName::Nothing:
  case PickName::Title:
  case PickName::PenMarker:
  case PickName::FirstFileEntry:
    break;
  }
  return PickRole::None;
}

/// "möglich" with the ö as the atlas's Latin-1 byte, which a UTF-8 source
/// file would otherwise spell with two bytes and two wrong glyphs.
const char PrintMessage[] = "Drucken ohne kelbrano nicht m\xF6glich";

} // namespace

void Editor::primaryAction(int Pick) {
  switch (roleOf(Pick)) {
  case PickRole::FileEntry: {
    const int Entry = Pick - pickValue(PickName::FirstFileEntry);
    // Only an entry of the list on screen loads; the list draws itself anew.
    if (E.FileListVisible && Entry < static_cast<int>(E.FileList.Files.Shown.size())) {
      loadAlgorithmFile(Entry);
      return;
    }
    break;
  }
  case PickRole::Tool:
    toolAction(Pick);
    break;
  case PickRole::Dice:
    diceAction();
    break;
  case PickRole::Repeat:
    repeatAction();
    break;
  case PickRole::Undo:
    S.algorithm().deleteCurrent();
    forgetListingClick();
    E.Mode = InteractionMode::Idle;
    break;
  case PickRole::Go:
    startRun();
    break;
  case PickRole::Save:
    saveAlgorithmFiles();
    break;
  case PickRole::Load:
    showFileList();
    break;
  case PickRole::Field:
    fieldAction(FieldLabels::rowOfPick(Pick), true);
    break;
  case PickRole::Print:
    showMessage(PrintMessage);
    W.drawNow();
    break;
  case PickRole::PenMenu:
    penMenuAction(Pick);
    break;
  case PickRole::ControlLabel:
    controlLabelAction(*E.Labels.byPick(Pick), true, true);
    break;
  case PickRole::ValueButton:
    valueAction(static_cast<PickName>(Pick));
    break;
  case PickRole::Restart:
    restart(true);
    break;
  case PickRole::Quit:
    quit();
    return;
  case PickRole::None:
    break;
  }
  W.postRedisplay();
}

// The tools, the controls' Buttons, undo, save, load, print, the pen menu and
// the file entries have no right-button action.
void Editor::secondaryAction(int Pick) {
  switch (roleOf(Pick)) {
  case PickRole::Go:
    startRun();
    break;
  case PickRole::Field:
    fieldAction(FieldLabels::rowOfPick(Pick), false);
    break;
  case PickRole::ControlLabel:
    controlLabelAction(*E.Labels.byPick(Pick), false, false);
    break;
  case PickRole::ValueButton:
    valueAction(static_cast<PickName>(Pick));
    break;
  case PickRole::Restart:
    restart(false);
    break;
  case PickRole::Quit:
    W.exit(0);
    return;
  case PickRole::None:
  case PickRole::FileEntry:
  case PickRole::Tool:
  case PickRole::Dice:
  case PickRole::Repeat:
  case PickRole::Undo:
  case PickRole::Save:
  case PickRole::Load:
  case PickRole::Print:
  case PickRole::PenMenu:
    break;
  }
  W.postRedisplay();
}

void Editor::toolAction(int Tool) {
  if (E.SelectedTool == Tool) {
    S.algorithm().insertDraw(Tool);
  } else {
    E.SelectedTool = Tool;
    const Command *Current = S.algorithm().current();
    if (E.CommandEditing && Current && Current->kind() == CommandKind::Draw)
      S.algorithm().setCurrentValue(Tool);
  }
  E.Mode = InteractionMode::Idle;
  // The pen marker previews a fresh figure of the tool at every click.
  fillToolTemplate(S, static_cast<ShapeKind>(Tool));
}

void Editor::diceAction() {
  if (E.SelectedControl != PickName::Dice) {
    E.SelectedControl = PickName::Dice;
    return;
  }
  E.Mode = InteractionMode::Idle;
  S.algorithm().insertRandom(E.Labels.randomTarget().operand(), E.Labels.upper().operand(),
                             E.Labels.lower().operand());
}

// Both markers go in after the current command, and the start becomes
// current, so that the next commands land inside the new block.
void Editor::repeatAction() {
  E.Mode = InteractionMode::Idle;
  if (E.SelectedControl != PickName::Repeat) {
    E.SelectedControl = PickName::Repeat;
    return;
  }
  Algorithm &A = S.algorithm();
  A.insertRepeatStart(S.variables().count().value());
  A.insertRepeatEnd();
  A.select(A.currentJumpTarget());
}

void Editor::fieldAction(int Row, bool Increment) {
  if (E.SelectedFieldRow != Row) {
    E.SelectedFieldRow = Row;
    return;
  }
  ValueLabel &Label = E.Labels.row(Row);
  if (Increment)
    incrementLabel(Label);
  else
    decrementLabel(Label);
  updateEditedRow(Row);
}

// While a command is open for editing, stepping the row of its target
// Variable changes its constant too.
void Editor::updateEditedRow(int Row) {
  const Command *Current = S.algorithm().current();
  if (!E.CommandEditing || !Current || Current->kind() != CommandKind::Arithmetic)
    return;
  Variable &RowVariable = S.variables().user(FieldLabels::rowVariable(Row));
  if (Current->target() == &RowVariable)
    S.algorithm().setCurrentValue(RowVariable.value());
}

// The left button follows the two-click rule; the right button steps at
// once and leaves the highlighted control alone.
void Editor::controlLabelAction(ValueLabel &Label, bool Increment, bool TwoClick) {
  if (TwoClick && E.SelectedControl != Label.pick()) {
    E.SelectedControl = Label.pick();
    return;
  }
  if (Increment)
    incrementLabel(Label);
  else
    decrementLabel(Label);
  updateEditedControl(Label);
}

void Editor::updateEditedControl(const ValueLabel &Label) {
  const Command *Current = S.algorithm().current();
  if (!E.CommandEditing || !Current)
    return;
  Algorithm &A = S.algorithm();
  if (Label.pick() == PickName::Count) {
    if (Current->kind() == CommandKind::RepeatStart)
      A.setCurrentValue(S.variables().count().value());
    return;
  }
  if (Current->kind() != CommandKind::RandomValue)
    return;
  if (Label.pick() == PickName::RandomTarget)
    A.setCurrentTarget(Label.operand());
  else if (Label.pick() == PickName::Upper)
    A.setCurrentUpper(Label.operand());
  else
    A.setCurrentLower(Label.operand());
}

// abs, rel, mul and div insert a command on the selected row's Variable with
// its value. A relative change of 0 and a division by 0 insert nothing.
void Editor::valueAction(PickName Action) {
  Variable &V = S.variables().user(FieldLabels::rowVariable(E.SelectedFieldRow));
  const int32_t K = V.value();
  Algorithm &A = S.algorithm();
  if (Action == PickName::Abs) {
    A.insertArithmetic(&V, ArithmeticOp::Give, K);
  } else if (Action == PickName::Mul) {
    A.insertArithmetic(&V, ArithmeticOp::Multiply, K);
  } else if (Action == PickName::Div) {
    if (K != 0)
      A.insertArithmetic(&V, ArithmeticOp::Divide, K);
  } else if (K > 0 || K == INT32_MIN) {
    // The smallest value has no positive counterpart: it is added instead.
    A.insertArithmetic(&V, ArithmeticOp::Add, K);
  } else if (K < 0) {
    A.insertArithmetic(&V, ArithmeticOp::Subtract, -K);
  }
}

// Empties the algorithm and the picture. Deleting command by command would
// stop at a repeat start without an end, which a file can hold; a fresh
// list is the same empty algorithm without that gap.
void Editor::restart(bool LeftButton) {
  S.clearAlgorithm();
  E.LastListingClick = 0;
  resetVariables();
  S.drawing().clear();
  if (LeftButton)
    E.CommandEditing = false;
}

void Editor::quit() {
  S.clearAlgorithm();
  resetVariables();
  S.drawing().clear();
  W.exit(0);
}

void Editor::showFileList() {
  E.FileListVisible = true;
  E.FileList.Files = newestThatFit(scanSavedAlgorithms(), MaxFileListRows);
  ++E.FileList.Revision;
}
