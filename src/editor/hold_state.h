// Buttons held down: which name repeats while its button is held, whether
// the listing scrolls by itself while a strip is held, and the delays of
// both. Every repetition comes sooner than the one before, down to a floor.
#ifndef QUOVADRIN_EDITOR_HOLD_STATE_H
#define QUOVADRIN_EDITOR_HOLD_STATE_H

#include "editor/pick_name.h"

/// Auto-scroll of the listing while a scroll strip is held.
enum class ListingScroll { None, Up, Down };

/// The first interval of an auto-repeat, in milliseconds.
constexpr int InitialRepeatDelay = 500;
/// The shortest interval: at most 25 repetitions a second, so that a
/// learner holding a field can still let go near a value, and every machine
/// and browser counts the same for the same holding time (without a floor
/// the delay reached 0 after about a second, and the count then depended on
/// how fast the machine went round its loop).
constexpr int MinimumRepeatDelay = 40;

/// The interval after \p Delay: divided by 1.75 and truncated, never below
/// the floor. From 500: 285, 162, 92, 52, 40, 40, ...
constexpr int acceleratedDelay(int Delay) {
  const int Shorter = static_cast<int>(Delay / 1.75);
  return Shorter < MinimumRepeatDelay ? MinimumRepeatDelay : Shorter;
}

struct HoldState {
  ListingScroll Scroll = ListingScroll::None;
  /// The name that repeats while its button is held; PickName::Nothing
  /// while none is.
  PickName HeldName = PickName::Nothing;
  /// The interval of the running repetition or scroll, and the generation
  /// of its timers: those armed for an earlier press carry an older one.
  int RepeatDelay = InitialRepeatDelay;
  unsigned TimerGeneration = 0;
};

#endif
