// The listing panel's presses, releases, drags and previews.
#include "editor/listing_controller.h"

#include "editor/editor_host.h"
#include "editor/field_values.h"
#include "editor/listing_scroll.h"
#include "editor/pick_name.h"
#include "editor/picker.h"
#include "exec/immediate_run.h"
#include "exec/session.h"

void ListingController::settle() { keepCurrentVisible(Listing, Context.Work.algorithm()); }

ScrollRequest ListingController::onMouse(const PointerEvent &Event) {
  if (Event.Button == MouseButton::Middle)
    return ScrollRequest::None;
  EditorHost &Host = Context.Host;
  if (Event.isLeft() && Event.isDown()) {
    const ScrollRequest Scroll = onLeftPress(Context.Picks.pick(Panel::Listing, Event.where()));
    Host.postRedisplay();
    return Scroll;
  }
  if (Event.isLeft()) {
    // The scrolling ends with the release, as every hold does (endHolds).
    const PickResult Pick = Context.Picks.pick(Panel::Listing, Event.where());
    if (Pick.kind() == PickKind::ListingLine)
      selectLine(Context.Work.algorithm(), Pick.listingLine());
    if (Listing.CommandEditing)
      loadCommandIntoEditor(Context.Work, Labels, Tools);
    Context.Mode = InteractionMode::Idle;
    Host.setMotion(false);
    Host.postRedisplay();
    return ScrollRequest::None;
  }
  if (Event.isDown())
    return ScrollRequest::None;
  const PickResult Pick = Context.Picks.pick(Panel::Listing, Event.where());
  if (Pick.kind() == PickKind::ListingLine)
    runToCommand(Pick.listingLine());
  else if (Pick.isNothing())
    runImmediately();
  else
    return ScrollRequest::None;
  Host.postRedisplay();
  return ScrollRequest::None;
}

ScrollRequest ListingController::onLeftPress(const PickResult &Pick) {
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
    return ScrollRequest::None;
  }
  const bool Up = Pick.is(PickName::UpStrip);
  if ((Up || Pick.is(PickName::DownStrip)) && canScrollListing(Listing, A, Up))
    return Up ? ScrollRequest::Up : ScrollRequest::Down;
  return ScrollRequest::None;
}

void ListingController::onDrag(const PickPoint &Where, LayoutPoint InListing) {
  if (Context.Mode != InteractionMode::ListingLineHeld)
    return;
  Algorithm &A = Context.Work.algorithm();
  if (InListing.X > 0) {
    const int32_t Held = A.currentNumber();
    const PickResult Pick = Context.Picks.pick(Panel::Listing, Where);
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
    Listing.forgetClicksWhenEmpty(A);
  }
  settle();
  Context.Host.postRedisplay();
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
  restoreSnapshotValues(Work, Labels, Context.Host);
}

void ListingController::runImmediately() {
  Listing.CommandEditing = false;
  Session &Work = Context.Work;
  const ImmediateRunResult Result = runWholeAlgorithm(Work);
  if (Result.Outcome == ImmediateRunOutcome::StepCapReached)
    Context.showMessage(ImmediateStepCapMessage);
  Context.GridVisible = false;
  // Where the run ended, a repeat start or a random value shows its
  // parameters, and an arithmetic command the value it gives.
  const Command *Current = Work.algorithm().current();
  const CommandKind Kind = Current ? Current->kind() : CommandKind::Draw;
  if (Kind == CommandKind::RepeatStart || Kind == CommandKind::RandomValue)
    loadCommandIntoEditor(Work, Labels, Tools);
  restoreSnapshotValues(Work, Labels, Context.Host);
  if (Kind == CommandKind::Arithmetic)
    loadCommandIntoEditor(Work, Labels, Tools);
}
