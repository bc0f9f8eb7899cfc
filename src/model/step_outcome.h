// What one step of an algorithm did: the kinds a run tells apart to go on,
// to end, and to set its pace after a finished loop.
#ifndef QUOVADRIN_MODEL_STEP_OUTCOME_H
#define QUOVADRIN_MODEL_STEP_OUTCOME_H

#include <cstdint>

enum class StepKind {
  /// There was no current Command: nothing ran.
  NoCurrent,
  /// The last Command ran; current stays on it.
  Finished,
  /// A Command ran and current moved on.
  Moved,
  /// A loop end ran its last round and current moved past it.
  LoopFinished,
};

struct StepOutcome {
  StepKind Kind = StepKind::NoCurrent;
  /// For a finished loop, twice its count (at least 2, held at INT32_MAX):
  /// how much the animation's pace stretches; 0 otherwise.
  int32_t PaceFactor = 0;

  /// Whether a run goes on after this step.
  bool goesOn() const { return Kind == StepKind::Moved || Kind == StepKind::LoopFinished; }
  bool operator==(const StepOutcome &Other) const {
    return Kind == Other.Kind && PaceFactor == Other.PaceFactor;
  }
};

#endif
