// Mouse buttons and timers: the steps every button event shares, the
// dispatch to the panel under the pointer, the tool panel's press and
// release rules with the auto-repeat of held value fields, and the canvas
// rules.
#include "editor/editor.h"

#include "editor/editor_state.h"
#include "editor/picker.h"
#include "editor/window.h"
#include "exec/session.h"

namespace {

/// Names 19 to 37 (the value Labels among them) act on press and repeat
/// while held; every other Button acts once, on release.
bool repeatsWhileHeld(int Pick) { return Pick >= 19 && Pick <= 37; }

/// Each repetition comes sooner than the one before.
int acceleratedDelay(int Delay) { return static_cast<int>(Delay / 1.75); }

} // namespace

void Editor::updatePointer(int X, int Y) {
  E.PointerX = layoutX(E.Screen, X);
  E.PointerY = layoutY(E.Screen, Y);
}

void Editor::onMouse(const MouseEvent &Event) {
  // Any button event shows the grid and hides the message; the frame that
  // shows it must come even when the action itself draws nothing.
  if (!E.GridVisible || E.Popup.Visible)
    W.postRedisplay();
  E.GridVisible = true;
  E.Popup.Visible = false;
  if (Event.isDown() && E.FileListVisible &&
      P.pickToolPanel(Event.X, Event.Y) < pickValue(PickName::FirstFileEntry))
    E.FileListVisible = false;
  updatePointer(Event.X, Event.Y);
  if (S.run().active())
    abortRun();
  switch (panelAt(E.Screen, Event.X)) {
  case Panel::Tool:
    onToolPanelMouse(Event);
    break;
  case Panel::Listing:
    onListingMouse(Event);
    break;
  case Panel::Canvas:
    onCanvasMouse(Event);
    break;
  }
  if (!Event.isDown())
    endHolds();
  settleListing();
}

// Whatever panel a button is released over, the hold it began ends there:
// no repetition or scroll goes on by itself, no timer armed before the
// release acts, and no dragged line stays held.
void Editor::endHolds() {
  const bool Held = E.Mode == InteractionMode::LeftHeld || E.Mode == InteractionMode::RightHeld ||
                    E.Mode == InteractionMode::ListingLineHeld;
  if (E.Mode == InteractionMode::ListingLineHeld)
    W.setMotion(false);
  if (Held)
    E.Mode = InteractionMode::Idle;
  E.HeldPick = -1;
  E.Scroll = ListingScroll::None;
  E.RepeatDelay = InitialRepeatDelay;
  ++E.TimerGeneration;
}

void Editor::onToolPanelMouse(const MouseEvent &Event) {
  if (Event.Button == MouseButton::Middle)
    return;
  const bool Left = Event.isLeft();
  if (Event.isDown()) {
    E.Mode = Left ? InteractionMode::LeftHeld : InteractionMode::RightHeld;
    const int Pick = P.pickToolPanel(Event.X, Event.Y);
    if (!repeatsWhileHeld(Pick))
      return;
    E.HeldPick = Pick;
    if (Left)
      primaryAction(Pick);
    else
      secondaryAction(Pick);
    // A new press starts a new chain of repetitions; timers of an earlier
    // press find an older generation and do nothing.
    ++E.TimerGeneration;
    armRepeatTimer();
    return;
  }
  E.Mode = InteractionMode::Idle;
  // After a repetition the release does not act once more; the hold itself
  // ends with every release (endHolds).
  if (E.HeldPick >= 0)
    return;
  // The name under the pointer at the release acts, whatever was pressed.
  const int Pick = P.pickToolPanel(Event.X, Event.Y);
  if (Left)
    primaryAction(Pick);
  else
    secondaryAction(Pick);
}

void Editor::armRepeatTimer() { W.armTimer(E.RepeatDelay, E.TimerGeneration); }

void Editor::onCanvasMouse(const MouseEvent &Event) {
  if (Event.Button == MouseButton::Middle)
    return;
  const bool Editing = isCanvasEditMode(E.Mode);
  if (Event.isLeft() && Event.isDown()) {
    if (E.Mode == InteractionMode::PenMenuOpen) {
      primaryAction(P.pickCanvas(Event.X, Event.Y));
      // A menu Button that starts an edit mode keeps it; anything else,
      // a press beside the Buttons too, closes the menu.
      if (!isCanvasEditMode(E.Mode))
        E.Mode = InteractionMode::Idle;
    } else if (Editing) {
      commitCanvasEdit();
      E.Mode = InteractionMode::Idle;
      W.setPassiveMotion(false);
    } else if (P.pickCanvas(Event.X, Event.Y) == pickValue(PickName::PenMarker)) {
      openPenMenu();
    }
    W.postRedisplay();
    return;
  }
  if (Event.isLeft())
    return;
  if (Event.isDown()) {
    if (E.Mode == InteractionMode::Idle)
      E.Mode = InteractionMode::LeftHeld;
    return;
  }
  if (E.Mode == InteractionMode::PenMenuOpen) {
    secondaryAction(P.pickCanvas(Event.X, Event.Y));
    return;
  }
  if (Editing) {
    commitCanvasEdit();
    E.Mode = InteractionMode::Idle;
    W.setPassiveMotion(false);
    W.postRedisplay();
    return;
  }
  E.Mode = InteractionMode::Idle;
}

void Editor::onTimer(unsigned Generation) {
  if (Generation != E.TimerGeneration)
    return;
  if (E.Scroll != ListingScroll::None)
    scrollListingByTimer();
  else
    repeatHeldAction();
  settleListing();
}

void Editor::scrollListingByTimer() {
  E.RepeatDelay = acceleratedDelay(E.RepeatDelay);
  Algorithm &A = S.algorithm();
  const bool Up = E.Scroll == ListingScroll::Up;
  const bool CanScroll = Up ? E.ListingTop > 1 : E.ListingTop < A.commandCount();
  if (!CanScroll) {
    E.Scroll = ListingScroll::None;
    E.RepeatDelay = InitialRepeatDelay;
    return;
  }
  scrollListingOnce(Up);
  armRepeatTimer();
  W.postRedisplay();
}

// One line up or down; the cursor moves along, so the frame's keeping the
// current command in view does not undo the scroll.
void Editor::scrollListingOnce(bool Up) {
  E.ListingTop += Up ? -1 : 1;
  if (Up)
    S.algorithm().movePrev();
  else
    S.algorithm().moveNext();
}

void Editor::repeatHeldAction() {
  const bool Left = E.Mode == InteractionMode::LeftHeld;
  if ((!Left && E.Mode != InteractionMode::RightHeld) || E.HeldPick < 0)
    return;
  E.RepeatDelay = acceleratedDelay(E.RepeatDelay);
  if (Left)
    primaryAction(E.HeldPick);
  else
    secondaryAction(E.HeldPick);
  armRepeatTimer();
}
