// How long quovadrin --render takes for a class's worth of work and more:
// 100 saved algorithm files of 500 Shapes each (every kind, random places
// and rotations, polylines of 27 points), each read, run and written as an
// SVG, and the overview page. Prints the median of five rounds as
//   render: 100 files, N shapes: T ms
// Then a file whose picture would be gigabytes (a curve of 400 points drawn
// until the step cap stops it) between two good files, in a child process
// of its own, with its peak memory:
//   render: curve file between two good files: T ms, peak P MB, N of 3 pictures
// and the size of the example algorithm's picture, which streaming and the
// size bound must leave as it was (1,275 bytes for the seed 1718000000):
//   render: the example algorithm's picture: N bytes
// The files and pictures live in a temporary folder, removed afterwards.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdlib.h>
#include <string>
#include <vector>

#include "child_measure.h"
#include "exec/example_algorithm.h"
#include "exec/session.h"
#include "files/alg_format.h"
#include "files/alg_writer.h"
#include "model/algorithm.h"
#include "model/variable.h"
#include "render/render_batch.h"
#include "render/render_card.h"

namespace {

constexpr int FileCount = 100;
constexpr int Passes = 50;
/// Ten Shapes a pass: every kind, and a second circle.
constexpr int PassKinds[] = {1, 2, 3, 7, 8, 9, 10, 11, 12, 2};

// A saved file as the program writes it: each pass of the loop puts the pen
// at a random cell with a random rotation and draws ten Shapes there.
bool writeProgram(const std::string &Path) {
  Session S(1);
  VariableSet &Vars = S.variables();
  Algorithm &A = S.algorithm();
  A.appendArithmetic(&Vars.min(), ArithmeticOp::Give, 0);
  A.appendArithmetic(&Vars.max(), ArithmeticOp::Give, 24);
  A.appendRepeatStart(Passes);
  for (Variable *Target : {&Vars.x(), &Vars.y(), &Vars.d()})
    A.appendRandom(Target, &Vars.max(), &Vars.min());
  for (int Kind : PassKinds)
    A.appendDraw(Kind);
  A.appendRepeatEnd();
  return writeAlgorithmFile(A, Path) == FileResult::Done;
}

/// One round: its time, and the Shapes it drew (counted from the report, so
/// the line states what was really rendered).
struct Round {
  double Milliseconds = 0;
  long Shapes = 0;
};

Round renderRound(const RenderRequest &Request) {
  const auto Start = std::chrono::steady_clock::now();
  const RenderReport Report = renderAlgorithmFiles(
      Request, [](const std::string &Line) { std::fprintf(stderr, "%s\n", Line.c_str()); });
  const auto Stop = std::chrono::steady_clock::now();
  if (!Report.complete())
    std::fprintf(stderr, "render: not every picture was written\n");
  Round Result{std::chrono::duration<double, std::milli>(Stop - Start).count(), 0};
  for (const Card &C : Report.Cards)
    Result.Shapes += C.ShapeCount;
  return Result;
}

// The curve file between two good ones; the child's status is the number of
// pictures drawn.
void renderCurve(const std::filesystem::path &Folder) {
  const std::string Curve = std::string(AlgorithmFileHeader) +
                            "Gib n den Wert 400\r\nWiederhole 2147483647 mal:\r\n"
                            "  Zeichne weichen Linienzug\r\nWiederhole bis hier.\r\n";
  std::filesystem::create_directories(Folder / "curve");
  std::ofstream(Folder / "curve" / "seed_2-b.alg", std::ios::binary) << Curve;
  RenderRequest Request;
  Request.OutputFolder = (Folder / "curve-out").string();
  Request.Inputs = {(Folder / "seed_1-a.alg").string(),
                    (Folder / "curve" / "seed_2-b.alg").string(),
                    (Folder / "seed_3-a.alg").string()};
  const ChildMeasure Run = measureInChild([&Request] {
    const RenderReport Report = renderAlgorithmFiles(Request, [](const std::string &) {});
    return static_cast<int>(std::count_if(Report.Cards.begin(), Report.Cards.end(),
                                          [](const Card &C) { return C.hasPicture(); }));
  });
  std::printf("render: curve file between two good files: %.0f ms, peak %.0f MB, %d of 3 "
              "pictures\n",
              Run.Milliseconds, Run.PeakMegabytes, Run.Status);
}

// The example every start shows, as a saved file of the seed the overview
// example in docs/ was made with, drawn as its card.
void exampleSize() {
  Session S(1718000000);
  appendExampleBlock(S.algorithm(), S.variables());
  CardSource Source;
  Source.Seed = 1718000000;
  size_t Bytes = 0;
  const Card C =
      renderCard(Source, algorithmText(S.algorithm()), [&Bytes](const char *, size_t Size) {
        Bytes += Size;
        return true;
      });
  std::printf("render: the example algorithm's picture: %zu bytes%s\n", Bytes,
              C.hasPicture() ? "" : " (not drawn)");
}

} // namespace

int main() {
  char Template[] = "/tmp/quovadrin-render-bench-XXXXXX";
  if (!mkdtemp(Template))
    return 1;
  const std::filesystem::path Folder = Template;
  RenderRequest Request;
  Request.OutputFolder = (Folder / "out").string();
  for (int I = 1; I <= FileCount; ++I) {
    const std::string Path = (Folder / ("seed_" + std::to_string(I) + "-a.alg")).string();
    if (!writeProgram(Path))
      return 1;
    Request.Inputs.push_back(Path);
  }
  std::vector<Round> Rounds;
  for (int I = 0; I < 5; ++I)
    Rounds.push_back(renderRound(Request));
  std::sort(Rounds.begin(), Rounds.end(),
            [](const Round &A, const Round &B) { return A.Milliseconds < B.Milliseconds; });
  const Round &Median = Rounds[Rounds.size() / 2];
  std::printf("render: %d files, %ld shapes: %.0f ms\n", FileCount, Median.Shapes,
              Median.Milliseconds);
  std::fflush(stdout);
  renderCurve(Folder);
  exampleSize();
  std::error_code Ignored;
  std::filesystem::remove_all(Folder, Ignored);
  return 0;
}
