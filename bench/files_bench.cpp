// Writing and reading a .alg file of 100,000 lines: both must stay well
// under 200 ms. The write includes the temporary file, its sync to disk and
// the rename; the read builds the whole Algorithm.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <stdlib.h>
#include <string>
#include <unistd.h>

#include "files/alg_reader.h"
#include "files/alg_writer.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

constexpr int Lines = 100000;

struct BenchFiles {
  std::string Dir;
  Variable X{0}, Max{10}, Min{0};
  Algorithm A;

  BenchFiles() {
    char Template[] = "/tmp/quovadrin-bench-XXXXXX";
    Dir = mkdtemp(Template) ? Template : "/tmp";
    X.setName("x");
    Max.setName("max");
    Min.setName("min");
    // Blocks of ten lines: a repeat with eight commands inside.
    for (int Block = 0; Block < Lines / 10; ++Block) {
      A.appendRepeatStart(Block % 50);
      A.appendArithmetic(&X, ArithmeticOp::Give, Block);
      A.appendArithmetic(&X, ArithmeticOp::Add, -Block);
      A.appendArithmetic(&X, ArithmeticOp::Subtract, 7);
      A.appendArithmetic(&X, ArithmeticOp::Multiply, 3);
      A.appendArithmetic(&X, ArithmeticOp::Divide, 2);
      A.appendRandom(&X, &Max, &Min);
      A.appendDraw(1 + Block % 12);
      A.appendDraw(11);
      A.appendRepeatEnd();
    }
  }
  ~BenchFiles() {
    std::remove(path().c_str());
    rmdir(Dir.c_str());
  }
  std::string path() const { return Dir + "/bench.alg"; }
};

BenchFiles &files() {
  static BenchFiles Files;
  return Files;
}

void BM_WriteAlgorithmFile100kLines(benchmark::State &State) {
  BenchFiles &F = files();
  for (auto _ : State) {
    if (writeAlgorithmFile(F.A, F.path()) != 0)
      State.SkipWithError("write failed");
  }
  State.SetItemsProcessed(State.iterations() * Lines);
}
BENCHMARK(BM_WriteAlgorithmFile100kLines)->Unit(benchmark::kMillisecond);

void BM_ReadAlgorithmFile100kLines(benchmark::State &State) {
  BenchFiles &F = files();
  writeAlgorithmFile(F.A, F.path());
  for (auto _ : State) {
    AlgorithmFileReader Reader(F.path());
    if (Reader.algorithm()->commandCount() != Lines)
      State.SkipWithError("read back a different number of commands");
  }
  State.SetItemsProcessed(State.iterations() * Lines);
}
BENCHMARK(BM_ReadAlgorithmFile100kLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
