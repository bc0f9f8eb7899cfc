// Buttons held down: the tool panel's press and release rules, the
// auto-repeat of the names that act while held (the value Labels among
// them), and the auto-scroll of the listing while a strip is held. Every
// release ends the hold it began; a timer of an earlier press does nothing.
#ifndef QUOVADRIN_EDITOR_HOLD_CONTROLLER_H
#define QUOVADRIN_EDITOR_HOLD_CONTROLLER_H

#include "editor/editor_context.h"
#include "editor/mouse_event.h"
#include "editor/pick_name.h"

class PickActions;
struct ListingState;

/// Auto-scroll of the listing while a scroll strip is held.
enum class ListingScroll { None, Up, Down };

/// The first interval of an auto-repeat, in milliseconds.
constexpr int InitialRepeatDelay = 500;

struct HoldState {
  ListingScroll Scroll = ListingScroll::None;
  /// The name that repeats while its button is held (repeatsWhileHeld);
  /// PickName::Nothing while none is.
  PickName HeldName = PickName::Nothing;
  /// The auto-repeat's interval in milliseconds, and the generation of its
  /// timers: those armed for an earlier press carry an older one.
  int RepeatDelay = InitialRepeatDelay;
  unsigned TimerGeneration = 0;
};

class HoldController {
public:
  HoldController(EditorContext Shared, HoldState &Held, ListingState &ListingView,
                 PickActions &PickHandler)
      : Context(Shared), Hold(Held), Listing(ListingView), Actions(PickHandler) {}

  /// A button pressed or released over the tool panel.
  void onToolPanelMouse(const MouseEvent &Event);
  /// A press on a scroll strip that could scroll: one line at once, then
  /// more while it is held.
  void startScrolling(bool Up);
  /// Whatever panel a button is released over, the hold it began ends.
  void endHolds();
  /// The same, but a dragged listing line stays held: no repetition or
  /// scroll goes on and no timer armed so far acts.
  void endRepetition();
  /// A timer armed with \p Generation has fired.
  void onTimer(unsigned Generation);

private:
  void armRepeatTimer();
  void repeatHeldAction();
  void scrollByTimer();

  EditorContext Context;
  HoldState &Hold;
  ListingState &Listing;
  PickActions &Actions;
};

#endif
