// The tool panel's press and release rules, auto-repeat and auto-scroll.
#include "editor/hold_controller.h"

#include "editor/editor_host.h"
#include "editor/listing_scroll.h"
#include "editor/pick_table.h"
#include "editor/picker.h"
#include "exec/session.h"

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

PickRequest HoldController::onToolPanelMouse(const PointerEvent &Event) {
  if (Event.Button == MouseButton::Middle)
    return PickRequest::none();
  const bool Left = Event.isLeft();
  if (Event.isDown()) {
    Context.Mode = Left ? InteractionMode::LeftHeld : InteractionMode::RightHeld;
    const PickResult Pick = Context.Picks.pick(Panel::Tool, Event.where());
    if (!repeatsWhileHeld(Pick.name()))
      return PickRequest::none();
    Hold.HeldName = Pick.name();
    // A new press starts a new chain of repetitions; timers of an earlier
    // press find an older generation and do nothing.
    ++Hold.TimerGeneration;
    armRepeatTimer();
    return PickRequest::of(Left, Pick);
  }
  Context.Mode = InteractionMode::Idle;
  // After a repetition the release does not act once more; the hold itself
  // ends with every release (endHolds).
  if (Hold.HeldName != PickName::Nothing)
    return PickRequest::none();
  // The name under the pointer at the release acts, whatever was pressed.
  return PickRequest::of(Left, Context.Picks.pick(Panel::Tool, Event.where()));
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

PickRequest HoldController::onTimer(unsigned Generation) {
  if (Generation != Hold.TimerGeneration)
    return PickRequest::none();
  if (Hold.Scroll == ListingScroll::None)
    return repeatHeldAction();
  scrollByTimer();
  return PickRequest::none();
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

PickRequest HoldController::repeatHeldAction() {
  const bool Left = Context.Mode == InteractionMode::LeftHeld;
  if ((!Left && Context.Mode != InteractionMode::RightHeld) || Hold.HeldName == PickName::Nothing)
    return PickRequest::none();
  Hold.RepeatDelay = acceleratedDelay(Hold.RepeatDelay);
  armRepeatTimer();
  return PickRequest::of(Left, PickResult::named(Panel::Tool, Hold.HeldName));
}
