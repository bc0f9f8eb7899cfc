// Buttons held down: the tool panel's press and release rules, the
// auto-repeat of the names that act while held (the value Labels among
// them), and the auto-scroll of the listing while a strip is held. Every
// release ends the hold it began; a timer of an earlier press does nothing.
// The actions themselves are the editor's to carry out: the press, the
// release and each repetition return the one they ask for.
#ifndef QUOVADRIN_EDITOR_HOLD_CONTROLLER_H
#define QUOVADRIN_EDITOR_HOLD_CONTROLLER_H

#include "editor/editor_context.h"
#include "editor/hold_state.h"
#include "editor/pick_request.h"
#include "editor/pointer_event.h"

struct ListingState;

class HoldController {
public:
  HoldController(EditorContext Shared, HoldState &Held, ListingState &ListingView)
      : Context(Shared), Hold(Held), Listing(ListingView) {}

  /// A button pressed or released over the tool panel: the action it asks
  /// for, if any.
  [[nodiscard]] PickRequest onToolPanelMouse(const PointerEvent &Event);
  /// A press on a scroll strip that could scroll: one line at once, then
  /// more while it is held.
  void startScrolling(bool Up);
  /// Whatever panel a button is released over, the hold it began ends.
  void endHolds();
  /// The same, but a dragged listing line stays held: no repetition or
  /// scroll goes on and no timer armed so far acts.
  void endRepetition();
  /// A timer armed with \p Generation has fired: the listing scrolls on by
  /// itself, or the held name's action is asked for again.
  [[nodiscard]] PickRequest onTimer(unsigned Generation);

private:
  void armRepeatTimer();
  PickRequest repeatHeldAction();
  void scrollByTimer();

  EditorContext Context;
  HoldState &Hold;
  ListingState &Listing;
};

#endif
