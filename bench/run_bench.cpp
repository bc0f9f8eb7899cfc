// Immediate runs and the Drawing's memory: steps per second for the start-up
// example raised to 100 passes and for a 1,000-command algorithm that runs
// into the step cap, and the peak resident size a Drawing of 50,000 Shapes
// of mixed kinds adds (getrusage before and after, plus the live heap).
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include "app/app_state.h"
#include "app/example_algorithm.h"
#include "exec/drawing.h"
#include "exec/immediate_run.h"
#include "exec/random.h"
#include "exec/shape_creation.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

const int DrawKinds[] = {1, 2, 3, 7, 8, 9, 10, 11, 12};

/// A fresh application state with an empty Algorithm and Drawing.
struct BenchApp {
  BenchApp() {
    createFixedVariables();
    resetModeDefaults();
    app.algorithm = new Algorithm();
    app.drawing = new Drawing();
    seedRandom(1);
  }
  ~BenchApp() {
    delete app.algorithm;
    delete app.drawing;
    app.algorithm = nullptr;
    app.drawing = nullptr;
  }
};

long peakResidentKiB() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return Usage.ru_maxrss;
}

void runWhole(benchmark::State &State) {
  int64_t Steps = 0;
  ImmediateRunResult Last;
  for (auto _ : State) {
    Last = runWholeAlgorithm();
    Steps += Last.Steps;
  }
  State.counters["steps_per_second"] =
      benchmark::Counter(static_cast<double>(Steps), benchmark::Counter::kIsRate);
  State.counters["steps_per_run"] = Last.Steps;
  State.counters["shapes_per_run"] = app.drawing->count();
  State.counters["capped"] = Last.Outcome == ImmediateRunOutcome::StepCapReached;
}

} // namespace

// Runs first, so that the peak resident size has not yet been raised by the
// other benchmarks.
static void BM_DrawingOf50000Shapes(benchmark::State &State) {
  BenchApp App;
  for (int Kind : DrawKinds)
    app.algorithm->appendDraw(Kind);
  app.n->setValue(27);
  for (auto _ : State) {
    app.drawing->clear();
    long RssBefore = peakResidentKiB();
    size_t HeapBefore = mallinfo2().uordblks;
    for (int I = 0; I < 50000; ++I) {
      app.algorithm->select(I % 9 + 1);
      createShapeForCurrent();
    }
    size_t HeapAfter = mallinfo2().uordblks;
    long RssAfter = peakResidentKiB();
    State.counters["shapes"] = app.drawing->count();
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
  BenchApp App;
  appendExampleBlock(*app.algorithm);
  app.algorithm->select(1);
  app.algorithm->setCurrentValue(100);
  runWhole(State);
}
BENCHMARK(BM_ImmediateExample100Passes)->Unit(benchmark::kMicrosecond);

// 1,000 Commands: a loop that never finishes in time around 998 commands in
// the pattern of the example (give, random, one draw of every kind in turn,
// polylines of 27 points), so the run stops at the step cap.
static void BM_ImmediateCappedThousandCommands(benchmark::State &State) {
  BenchApp App;
  Algorithm &A = *app.algorithm;
  A.appendRepeatStart(1000000000);
  int Body = 0;
  for (int Round = 0; Body < 998; ++Round) {
    Variable *Targets[] = {app.x, app.y, app.h, app.v, app.dx, app.dy};
    A.appendArithmetic(app.max, ArithmeticOp::Give, 18);
    A.appendArithmetic(app.min, ArithmeticOp::Give, 1);
    Body += 2;
    for (int T = 0; T < 6 && Body < 997; ++T, ++Body)
      A.appendRandom(Targets[T], app.max, app.min);
    A.appendDraw(DrawKinds[Round % 9]);
    ++Body;
  }
  A.appendRepeatEnd();
  State.counters["commands"] = A.commandCount();
  runWhole(State);
}
BENCHMARK(BM_ImmediateCappedThousandCommands)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
