// Immediate runs and the Drawing's memory: steps per second for the start-up
// example raised to 100 passes and for a 1,000-command algorithm that runs
// into the step cap, and the peak resident size a Drawing of 50,000 Shapes
// of mixed kinds adds (getrusage before and after, plus the live heap).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include "exec/drawing.h"
#include "exec/example_algorithm.h"
#include "exec/immediate_run.h"
#include "exec/session.h"
#include "exec/shape_creation.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

const int DrawKinds[] = {1, 2, 3, 7, 8, 9, 10, 11, 12};

long peakResidentKiB() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return Usage.ru_maxrss;
}

void runWhole(benchmark::State &State, Session &S) {
  int64_t Steps = 0;
  ImmediateRunResult Last;
  for (auto _ : State) {
    Last = runWholeAlgorithm(S);
    Steps += Last.Steps;
  }
  State.counters["steps_per_second"] =
      benchmark::Counter(static_cast<double>(Steps), benchmark::Counter::kIsRate);
  State.counters["steps_per_run"] = Last.Steps;
  State.counters["shapes_per_run"] = S.drawing().count();
  State.counters["capped"] = Last.Outcome == ImmediateRunOutcome::StepCapReached;
}

} // namespace

// Runs first, so that the peak resident size has not yet been raised by the
// other benchmarks.
static void BM_DrawingOf50000Shapes(benchmark::State &State) {
  Session S(1);
  for (int Kind : DrawKinds)
    S.algorithm().appendDraw(Kind);
  S.variables().n().setValue(27);
  for (auto _ : State) {
    S.drawing().clear();
    long RssBefore = peakResidentKiB();
    size_t HeapBefore = mallinfo2().uordblks;
    for (int I = 0; I < 50000; ++I) {
      S.algorithm().select(I % 9 + 1);
      createShapeForCurrent(S);
    }
    size_t HeapAfter = mallinfo2().uordblks;
    long RssAfter = peakResidentKiB();
    State.counters["shapes"] = S.drawing().count();
    State.counters["peak_rss_before_KiB"] = static_cast<double>(RssBefore);
    State.counters["peak_rss_after_KiB"] = static_cast<double>(RssAfter);
    State.counters["peak_rss_growth_KiB"] = static_cast<double>(RssAfter - RssBefore);
    State.counters["heap_bytes_per_shape"] = static_cast<double>(HeapAfter - HeapBefore) / 50000;
  }
  State.counters["sizeof_Shape"] = sizeof(Shape);
}
BENCHMARK(BM_DrawingOf50000Shapes)->Iterations(1)->Unit(benchmark::kMillisecond);

// The fifteen-command example with its loop raised to 100 passes.
static void BM_ImmediateExample100Passes(benchmark::State &State) {
  Session S(1);
  appendExampleBlock(S.algorithm(), S.variables());
  S.algorithm().select(1);
  S.algorithm().setCurrentValue(100);
  runWhole(State, S);
}
BENCHMARK(BM_ImmediateExample100Passes)->Unit(benchmark::kMicrosecond);

// 1,000 Commands: a loop that never finishes in time around 998 commands in
// the pattern of the example (give, random, one draw of every kind in turn,
// polylines of 27 points), so the run stops at the step cap.
static void BM_ImmediateCappedThousandCommands(benchmark::State &State) {
  Session S(1);
  Algorithm &A = S.algorithm();
  VariableSet &V = S.variables();
  A.appendRepeatStart(1000000000);
  int Body = 0;
  for (int Round = 0; Body < 998; ++Round) {
    Variable *Targets[] = {&V.x(), &V.y(), &V.h(), &V.v(), &V.dx(), &V.dy()};
    A.appendArithmetic(&V.max(), ArithmeticOp::Give, 18);
    A.appendArithmetic(&V.min(), ArithmeticOp::Give, 1);
    Body += 2;
    for (int T = 0; T < 6 && Body < 997; ++T, ++Body)
      A.appendRandom(Targets[T], &V.max(), &V.min());
    A.appendDraw(DrawKinds[Round % 9]);
    ++Body;
  }
  A.appendRepeatEnd();
  State.counters["commands"] = A.commandCount();
  runWhole(State, S);
}
BENCHMARK(BM_ImmediateCappedThousandCommands)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
