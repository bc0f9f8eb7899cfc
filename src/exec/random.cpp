// The generator's one step.
#include "exec/random.h"

int RandomGenerator::nextRandom() {
  State = State * 214013u + 2531011u;
  return static_cast<int>((State >> 16) & 0x7fffu);
}
