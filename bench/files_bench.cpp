// Writing and reading a .alg file of 100,000 lines: both must stay well
// under 200 ms. The write includes the temporary file, its sync to disk and
// the rename; the read builds the whole Algorithm. Reading files at the size
// limit shows the longest a load can take and the memory its commands hold.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <stdlib.h>
#include <string>
#include <unistd.h>

#include "files/alg_format.h"
#include "files/alg_reader.h"
#include "files/alg_writer.h"
#include "files/regular_file.h"
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
    if (writeAlgorithmFile(F.A, F.path()) != FileResult::Done)
      State.SkipWithError("write failed");
  }
  State.SetItemsProcessed(State.iterations() * Lines);
}
BENCHMARK(BM_WriteAlgorithmFile100kLines)->Unit(benchmark::kMillisecond);

void BM_ReadAlgorithmFile100kLines(benchmark::State &State) {
  BenchFiles &F = files();
  if (writeAlgorithmFile(F.A, F.path()) != FileResult::Done) {
    State.SkipWithError("write failed");
    return;
  }
  for (auto _ : State) {
    AlgorithmFileReader Reader(F.path());
    if (Reader.algorithm()->commandCount() != Lines)
      State.SkipWithError("read back a different number of commands");
  }
  State.SetItemsProcessed(State.iterations() * Lines);
}
BENCHMARK(BM_ReadAlgorithmFile100kLines)->Unit(benchmark::kMillisecond);

// A file of exactly the size limit made of \p Line repeated, padded with
// spaces at the end.
std::string fileAtTheLimit(const BenchFiles &F, const std::string &Line) {
  std::string Text;
  Text.reserve(MaxAlgorithmFileBytes);
  while (Text.size() + Line.size() <= MaxAlgorithmFileBytes)
    Text += Line;
  Text.resize(MaxAlgorithmFileBytes, ' ');
  const std::string Path = F.Dir + "/limit.alg";
  std::ofstream(Path, std::ios::binary) << Text;
  return Path;
}

// Reading a file at the limit: the time, and the heap the read Algorithm
// holds per byte of the file. While reading, the file's bytes are held as
// well, one more byte per byte, until the Algorithm is complete.
void readAtTheLimit(benchmark::State &State, const std::string &Line) {
  BenchFiles &F = files();
  const std::string Path = fileAtTheLimit(F, Line);
  size_t Held = 0;
  int Commands = 0;
  for (auto _ : State) {
    const size_t Before = mallinfo2().uordblks;
    AlgorithmFileReader Reader(Path);
    Held = mallinfo2().uordblks - Before;
    Commands = Reader.algorithm()->commandCount();
    if (!Reader.opened())
      State.SkipWithError("a file at the limit was refused");
  }
  std::remove(Path.c_str());
  State.counters["commands"] = Commands;
  State.counters["held_MB"] = static_cast<double>(Held) / 1e6;
  State.counters["held_per_file_byte"] = static_cast<double>(Held) / MaxAlgorithmFileBytes;
}

// The program's own sentences, as the 100,000-line file writes them.
void BM_ReadFileAtTheLimitOfWrittenSentences(benchmark::State &State) {
  const std::string Text = algorithmText(files().A);
  readAtTheLimit(State, Text.substr(0, Text.rfind('\n', 1 << 20) + 1));
}
BENCHMARK(BM_ReadFileAtTheLimitOfWrittenSentences)->Unit(benchmark::kMillisecond);

// The fewest bytes that make a command each: the most commands a file at
// the limit can hold.
void BM_ReadFileAtTheLimitOfShortestCommands(benchmark::State &State) {
  readAtTheLimit(State, "zufallswert\n");
}
BENCHMARK(BM_ReadFileAtTheLimitOfShortestCommands)->Unit(benchmark::kMillisecond);

void BM_ReadFileAtTheLimitOfRepeatStarts(benchmark::State &State) {
  readAtTheLimit(State, "wiederhole 1\n");
}
BENCHMARK(BM_ReadFileAtTheLimitOfRepeatStarts)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
