// The tool panel's press and release rules, auto-repeat and auto-scroll.
#include "editor/hold_controller.h"

#include "editor/listing_scroll.h"
#include "editor/pick_actions.h"
#include "editor/pick_name.h"
#include "editor/picker.h"
#include "editor/window.h"
#include "exec/session.h"

namespace {

/// Each repetition comes sooner than the one before.
int acceleratedDelay(int Delay) { return static_cast<int>(Delay / 1.75); }

} // namespace

// No repetition or scroll goes on by itself after a release, no timer armed
// before it acts, and no dragged line stays held.
void HoldController::endHolds() {
  InteractionMode &Mode = Context.Mode;
  const bool Held = Mode == InteractionMode::LeftHeld || Mode == InteractionMode::RightHeld ||
                    Mode == InteractionMode::ListingLineHeld;
  if (Mode == InteractionMode::ListingLineHeld)
    Context.Host.setMotion(false);
  if (Held)
    Mode = InteractionMode::Idle;
  endRepetition();
}

void HoldController::endRepetition() {
  Hold.HeldName = PickName::Nothing;
  Hold.Scroll = ListingScroll::None;
  Hold.RepeatDelay = InitialRepeatDelay;
  ++Hold.TimerGeneration;
}

void HoldController::onToolPanelMouse(const MouseEvent &Event) {
  if (Event.Button == MouseButton::Middle)
    return;
  const bool Left = Event.isLeft();
  if (Event.isDown()) {
    Context.Mode = Left ? InteractionMode::LeftHeld : InteractionMode::RightHeld;
    const PickResult Pick = Context.Picks.pickToolPanel(Event.X, Event.Y);
    if (!repeatsWhileHeld(Pick.name()))
      return;
    Hold.HeldName = Pick.name();
    if (Left)
      Actions.primaryAction(Pick);
    else
      Actions.secondaryAction(Pick);
    // A new press starts a new chain of repetitions; timers of an earlier
    // press find an older generation and do nothing.
    ++Hold.TimerGeneration;
    armRepeatTimer();
    return;
  }
  Context.Mode = InteractionMode::Idle;
  // After a repetition the release does not act once more; the hold itself
  // ends with every release (endHolds).
  if (Hold.HeldName != PickName::Nothing)
    return;
  // The name under the pointer at the release acts, whatever was pressed.
  const PickResult Pick = Context.Picks.pickToolPanel(Event.X, Event.Y);
  if (Left)
    Actions.primaryAction(Pick);
  else
    Actions.secondaryAction(Pick);
}

void HoldController::startScrolling(bool Up) {
  scrollListingOnce(Listing, Context.Work.algorithm(), Up);
  Hold.Scroll = Up ? ListingScroll::Up : ListingScroll::Down;
  ++Hold.TimerGeneration;
  armRepeatTimer();
}

void HoldController::armRepeatTimer() {
  Context.Host.armTimer(Hold.RepeatDelay, Hold.TimerGeneration);
}

void HoldController::onTimer(unsigned Generation) {
  if (Generation != Hold.TimerGeneration)
    return;
  if (Hold.Scroll != ListingScroll::None)
    scrollByTimer();
  else
    repeatHeldAction();
}

void HoldController::scrollByTimer() {
  Hold.RepeatDelay = acceleratedDelay(Hold.RepeatDelay);
  Algorithm &A = Context.Work.algorithm();
  const bool Up = Hold.Scroll == ListingScroll::Up;
  if (!canScrollListing(Listing, A, Up)) {
    Hold.Scroll = ListingScroll::None;
    Hold.RepeatDelay = InitialRepeatDelay;
    return;
  }
  scrollListingOnce(Listing, A, Up);
  armRepeatTimer();
  Context.Host.postRedisplay();
}

void HoldController::repeatHeldAction() {
  const bool Left = Context.Mode == InteractionMode::LeftHeld;
  if ((!Left && Context.Mode != InteractionMode::RightHeld) || Hold.HeldName == PickName::Nothing)
    return;
  Hold.RepeatDelay = acceleratedDelay(Hold.RepeatDelay);
  const PickResult Held = PickResult::named(Panel::Tool, Hold.HeldName);
  if (Left)
    Actions.primaryAction(Held);
  else
    Actions.secondaryAction(Held);
  armRepeatTimer();
}
