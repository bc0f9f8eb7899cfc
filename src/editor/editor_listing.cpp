// The listing panel: a press selects a line, a second press on the same
// line opens it for editing and a third closes it; a held line is dragged
// to a new place or out of the panel to delete it; the two strips scroll;
// the right button draws the picture at once, up to a line or as a whole.
#include "editor/editor.h"

#include "editor/editor_state.h"
#include "editor/picker.h"
#include "editor/window.h"
#include "exec/immediate_run.h"
#include "exec/session.h"

// Line k is the k-th command counted from the first.
void Editor::selectLine(int Line) {
  Algorithm &A = S.algorithm();
  A.rewind();
  for (int I = 1; I < Line; ++I)
    A.moveNext();
}

void Editor::onListingMouse(const MouseEvent &Event) {
  E.FileListVisible = false;
  if (Event.Button == MouseButton::Middle)
    return;
  Algorithm &A = S.algorithm();
  if (Event.isLeft() && Event.isDown()) {
    E.CommandEditing = false;
    const int Pick = P.pickListing(Event.X, Event.Y);
    if (Pick >= 1) {
      selectLine(Pick);
      E.Mode = InteractionMode::ListingLineHeld;
      if (A.currentNumber() == E.LastListingClick) {
        E.CommandEditing = true;
        E.LastListingClick = -1;
      } else {
        E.LastListingClick = A.currentNumber();
      }
      W.setMotion(true);
    } else if ((Pick == pickValue(PickName::UpStrip) && E.ListingTop > 1) ||
               (Pick == pickValue(PickName::DownStrip) && E.ListingTop < A.commandCount())) {
      const bool Up = Pick == pickValue(PickName::UpStrip);
      scrollListingOnce(Up);
      E.Scroll = Up ? ListingScroll::Up : ListingScroll::Down;
      ++E.TimerGeneration;
      armRepeatTimer();
    }
    W.postRedisplay();
    return;
  }
  if (Event.isLeft()) {
    // The scrolling ends with the release, as every hold does (endHolds).
    const int Pick = P.pickListing(Event.X, Event.Y);
    if (Pick >= 1)
      selectLine(Pick);
    if (E.CommandEditing)
      loadCommandIntoEditor();
    E.Mode = InteractionMode::Idle;
    W.setMotion(false);
    W.postRedisplay();
    return;
  }
  if (Event.isDown())
    return;
  const int Pick = P.pickListing(Event.X, Event.Y);
  if (Pick >= 1)
    runToCommand(Pick);
  else if (Pick == pickValue(PickName::Nothing))
    runImmediately();
  else
    return;
  W.postRedisplay();
}

void Editor::onListingDrag(int X, int Y) {
  if (E.Mode != InteractionMode::ListingLineHeld)
    return;
  updatePointer(X, Y);
  Algorithm &A = S.algorithm();
  if (E.PointerX > LayoutWidth * 3 / 4) {
    const int32_t Held = A.currentNumber();
    const int Pick = P.pickListing(X, Y);
    if (Pick >= 1) {
      selectLine(Pick);
      const int32_t Onto = A.currentNumber();
      if (Onto != Held)
        A.moveCommand(Held, Onto);
    }
    A.select(Held);
  } else {
    // Dragged out to the left: the held command goes, and so does the hold,
    // so that no later motion acts on whatever is current then.
    A.deleteCurrent();
    leaveListingDrag();
    forgetListingClick();
  }
  settleListing();
  W.postRedisplay();
}

// Numbers start again at 1 once the algorithm is emptied or replaced: a
// line pressed before must not count as pressed once already.
void Editor::forgetListingClick() {
  if (S.algorithm().commandCount() > 0)
    return;
  E.LastListingClick = 0;
  E.CommandEditing = false;
}

void Editor::leaveListingDrag() {
  E.Mode = InteractionMode::Idle;
  W.setMotion(false);
}

void Editor::runToCommand(int Line) {
  E.CommandEditing = false;
  selectLine(Line);
  const ImmediateRunResult Result = runUpToCommand(S, S.algorithm().currentNumber());
  if (Result.Outcome == ImmediateRunOutcome::StepCapReached)
    showMessage(ImmediateStepCapMessage);
  E.GridVisible = false;
  refreshFieldLabels();
}

void Editor::runImmediately() {
  E.CommandEditing = false;
  const ImmediateRunResult Result = runWholeAlgorithm(S);
  if (Result.Outcome == ImmediateRunOutcome::StepCapReached)
    showMessage(ImmediateStepCapMessage);
  E.GridVisible = false;
  // Where the run ended, a repeat start or a random value shows its
  // parameters, and an arithmetic command the value it gives.
  const Command *Current = S.algorithm().current();
  const CommandKind Kind = Current ? Current->kind() : CommandKind::Draw;
  if (Kind == CommandKind::RepeatStart || Kind == CommandKind::RandomValue)
    loadCommandIntoEditor();
  refreshFieldLabels();
  if (Kind == CommandKind::Arithmetic)
    loadCommandIntoEditor();
}
