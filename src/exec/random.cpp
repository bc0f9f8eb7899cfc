// Linear congruential generator shared by the whole program.
#include "exec/random.h"

namespace {
uint32_t State = 1;
} // namespace

void seedRandom(uint32_t Seed) { State = Seed; }

int nextRandom() {
  State = State * 214013u + 2531011u;
  return static_cast<int>((State >> 16) & 0x7fffu);
}

uint32_t randomState() { return State; }

void setRandomState(uint32_t NewState) { State = NewState; }
