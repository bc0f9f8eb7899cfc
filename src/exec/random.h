// The one process-wide pseudo-random generator. Its rule is fixed (a linear
// congruential generator giving 0 to 32767), so that a seed always gives the
// same picture and tests can pin exact values.
#ifndef QUOVADRIN_EXEC_RANDOM_H
#define QUOVADRIN_EXEC_RANDOM_H

#include <cstdint>

/// Largest value nextRandom() returns.
constexpr int RandomMax = 32767;

/// Restart the sequence from \p Seed. Before any seeding the state is 1.
void seedRandom(uint32_t Seed);
/// One draw: state := state * 214013 + 2531011 (mod 2^32), bits 16 to 30.
int nextRandom();
/// The raw state, so that a caller can set it aside and put it back.
uint32_t randomState();
void setRandomState(uint32_t State);

#endif
