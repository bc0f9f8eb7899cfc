// The listing panel's presses, releases, drags and previews.
#include "editor/listing_controller.h"

#include "editor/hold_controller.h"
#include "editor/label_controller.h"
#include "editor/listing_scroll.h"
#include "editor/pick_name.h"
#include "editor/picker.h"
#include "editor/window.h"
#include "exec/immediate_run.h"
#include "exec/session.h"

void ListingController::settle() { keepCurrentVisible(Listing, Context.Work.algorithm()); }

void ListingController::onMouse(const MouseEvent &Event) {
  if (Event.Button == MouseButton::Middle)
    return;
  Window &Host = Context.Host;
  if (Event.isLeft() && Event.isDown()) {
    onLeftPress(Context.Picks.pickListing(Event.X, Event.Y));
    Host.postRedisplay();
    return;
  }
  if (Event.isLeft()) {
    // The scrolling ends with the release, as every hold does (endHolds).
    const PickResult Pick = Context.Picks.pickListing(Event.X, Event.Y);
    if (Pick.kind() == PickKind::ListingLine)
      selectLine(Context.Work.algorithm(), Pick.listingLine());
    if (Listing.CommandEditing)
      Labels.loadCommand();
    Context.Mode = InteractionMode::Idle;
    Host.setMotion(false);
    Host.postRedisplay();
    return;
  }
  if (Event.isDown())
    return;
  const PickResult Pick = Context.Picks.pickListing(Event.X, Event.Y);
  if (Pick.kind() == PickKind::ListingLine)
    runToCommand(Pick.listingLine());
  else if (Pick.isNothing())
    runImmediately();
  else
    return;
  Host.postRedisplay();
}

void ListingController::onLeftPress(const PickResult &Pick) {
  Algorithm &A = Context.Work.algorithm();
  Listing.CommandEditing = false;
  if (Pick.kind() == PickKind::ListingLine) {
    selectLine(A, Pick.listingLine());
    Context.Mode = InteractionMode::ListingLineHeld;
    if (A.currentNumber() == Listing.LastClick) {
      Listing.CommandEditing = true;
      Listing.LastClick = -1;
    } else {
      Listing.LastClick = A.currentNumber();
    }
    Context.Host.setMotion(true);
    return;
  }
  const bool Up = Pick.is(PickName::UpStrip);
  if ((Up || Pick.is(PickName::DownStrip)) && canScrollListing(Listing, A, Up))
    Holds.startScrolling(Up);
}

void ListingController::onDrag(int X, int Y) {
  if (Context.Mode != InteractionMode::ListingLineHeld)
    return;
  Context.updatePointer(X, Y);
  Algorithm &A = Context.Work.algorithm();
  if (Context.Pointer.X > LayoutWidth * 3 / 4) {
    const int32_t Held = A.currentNumber();
    const PickResult Pick = Context.Picks.pickListing(X, Y);
    if (Pick.kind() == PickKind::ListingLine) {
      selectLine(A, Pick.listingLine());
      const int32_t Onto = A.currentNumber();
      if (Onto != Held)
        A.moveCommand(Held, Onto);
    }
    A.select(Held);
  } else {
    // Dragged out to the left: the held command goes, and so does the hold,
    // so that no later motion acts on whatever is current then.
    A.deleteCurrent();
    leaveDrag();
    forgetClicksWhenEmpty();
  }
  settle();
  Context.Host.postRedisplay();
}

// Numbers start again at 1 once the algorithm is emptied or replaced: a
// line pressed before must not count as pressed once already.
void ListingController::forgetClicksWhenEmpty() {
  if (Context.Work.algorithm().commandCount() == 0)
    forgetClicks();
}

void ListingController::forgetClicks() {
  Listing.LastClick = 0;
  Listing.CommandEditing = false;
}

void ListingController::leaveDrag() {
  Context.Mode = InteractionMode::Idle;
  Context.Host.setMotion(false);
}

void ListingController::runToCommand(int Line) {
  Listing.CommandEditing = false;
  Session &Work = Context.Work;
  selectLine(Work.algorithm(), Line);
  const ImmediateRunResult Result = runUpToCommand(Work, Work.algorithm().currentNumber());
  if (Result.Outcome == ImmediateRunOutcome::StepCapReached)
    Context.showMessage(ImmediateStepCapMessage);
  Context.GridVisible = false;
  Labels.restoreSnapshotValues();
}

void ListingController::runImmediately() {
  Listing.CommandEditing = false;
  const ImmediateRunResult Result = runWholeAlgorithm(Context.Work);
  if (Result.Outcome == ImmediateRunOutcome::StepCapReached)
    Context.showMessage(ImmediateStepCapMessage);
  Context.GridVisible = false;
  // Where the run ended, a repeat start or a random value shows its
  // parameters, and an arithmetic command the value it gives.
  const Command *Current = Context.Work.algorithm().current();
  const CommandKind Kind = Current ? Current->kind() : CommandKind::Draw;
  if (Kind == CommandKind::RepeatStart || Kind == CommandKind::RandomValue)
    Labels.loadCommand();
  Labels.restoreSnapshotValues();
  if (Kind == CommandKind::Arithmetic)
    Labels.loadCommand();
}
