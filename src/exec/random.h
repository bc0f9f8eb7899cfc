// The pseudo-random generator of a run. Its rule is fixed (a linear
// congruential generator giving 0 to 32767), so that a seed always gives the
// same picture and tests can pin exact values. Each owner has its own.
#ifndef QUOVADRIN_EXEC_RANDOM_H
#define QUOVADRIN_EXEC_RANDOM_H

#include <cstdint>

#include "model/random_source.h"

/// Largest value a draw returns.
constexpr int RandomMax = 32767;

class RandomGenerator final : public RandomSource {
public:
  /// A generator that has never been seeded starts from the state 1.
  explicit RandomGenerator(uint32_t Seed = 1) : State(Seed) {}

  /// Restarts the sequence from \p Seed.
  void seed(uint32_t Seed) { State = Seed; }
  /// One draw: state := state * 214013 + 2531011 (mod 2^32), bits 16 to 30.
  int nextRandom() override;
  uint32_t state() const { return State; }

private:
  uint32_t State;
};

#endif
