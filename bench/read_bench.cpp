// Reading algorithm files at the size limit: the deepest nesting 4 MiB can
// hold (some 155,000 loops inside each other) and the longest flat listing
// (some 350,000 one-word commands). Both must read within a second, in time
// and memory proportional to the file, whatever the nesting. Each read runs
// in a child process of its own; the line gives the fastest of five and its
// peak memory, next to that of a child that reads nothing (which starts with
// what this program holds at that moment):
//   read: <what>, <bytes> bytes, <commands> commands: T ms, peak P MB (empty child E MB)
#include <cstdio>
#include <fstream>
#include <stdlib.h>
#include <string>
#include <unistd.h>

#include "child_measure.h"
#include "files/alg_reader.h"
#include "files/regular_file.h"
#include "model/algorithm.h"

namespace {

struct LimitFile {
  const char *What;
  std::string Text;
  int Commands = 0;
};

// Loops nested as deep as the limit allows: every start first, then every
// end, each in its shortest form.
LimitFile deepestNesting() {
  const std::string Start = "wiederhole 2\n", End = "wiederholebis\n";
  const size_t Levels = MaxAlgorithmFileBytes / (Start.size() + End.size());
  LimitFile File{"deepest nesting", std::string(), static_cast<int>(2 * Levels)};
  File.Text.reserve(MaxAlgorithmFileBytes);
  for (size_t I = 0; I < Levels; ++I)
    File.Text += Start;
  for (size_t I = 0; I < Levels; ++I)
    File.Text += End;
  return File;
}

// The most commands the limit holds: the shortest line that makes one.
LimitFile longestFlatListing() {
  const std::string Line = "zufallswert\n";
  LimitFile File{"longest flat listing", std::string()};
  while (File.Text.size() + Line.size() <= MaxAlgorithmFileBytes) {
    File.Text += Line;
    ++File.Commands;
  }
  return File;
}

// Reads the file at \p Path as the program loads it; the exit status says
// whether it read the \p Expected commands.
int readIt(const std::string &Path, int Expected) {
  AlgorithmFileReader Reader(Path);
  return Reader.opened() && Reader.algorithm()->commandCount() == Expected ? 0 : 1;
}

} // namespace

int main() {
  char Template[] = "/tmp/quovadrin-read-bench-XXXXXX";
  if (!mkdtemp(Template))
    return 1;
  const std::string Path = std::string(Template) + "/limit.alg";
  int Status = 0;
  for (LimitFile (*Make)() : {deepestNesting, longestFlatListing}) {
    // Only the file stays: the child's peak starts from what this process
    // holds when it forks.
    const char *What = nullptr;
    size_t Bytes = 0;
    int Commands = 0;
    {
      const LimitFile File = Make();
      std::ofstream(Path, std::ios::binary) << File.Text;
      What = File.What;
      Bytes = File.Text.size();
      Commands = File.Commands;
    }
    const ChildMeasure Empty = measureInChild([] { return 0; });
    const ChildMeasure Read = fastestInChild(5, [&] { return readIt(Path, Commands); });
    std::printf("read: %s, %zu bytes, %d commands: %.0f ms, peak %.1f MB (empty child %.1f MB)\n",
                What, Bytes, Commands, Read.Milliseconds, Read.PeakMegabytes, Empty.PeakMegabytes);
    Status |= Read.Status;
  }
  std::remove(Path.c_str());
  rmdir(Template);
  return Status;
}
