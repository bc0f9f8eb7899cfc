// Time per Algorithm::step for algorithms of 10, 1,000 and 100,000 commands:
// the lookup of the next command must not depend on the length.
#include <benchmark/benchmark.h>

#include "exec/random.h"
#include "model/algorithm.h"
#include "model/variable.h"

static void BM_Step(benchmark::State &State) {
  Variable X(0);
  X.setName("x");
  Algorithm A;
  const int Length = static_cast<int>(State.range(0));
  for (int I = 0; I < Length; ++I)
    A.appendArithmetic(&X, ArithmeticOp::Add, 1);
  // Insert in the middle so that numbers are not positional.
  A.select(Length / 2);
  A.insertArithmetic(&X, ArithmeticOp::Add, 1);
  A.rewind();
  RandomGenerator Random(1);
  for (auto _ : State) {
    if (!A.step(Random).goesOn())
      A.rewind();
  }
  benchmark::DoNotOptimize(X.value());
}
BENCHMARK(BM_Step)->Arg(10)->Arg(1000)->Arg(100000);

BENCHMARK_MAIN();
