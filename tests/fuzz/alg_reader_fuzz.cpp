// libFuzzer target for the .alg reader. Any bytes must read without a crash,
// leak or undefined behaviour; the stream, the file the program opens and the
// memory paths must cut the same pieces; and what was read must survive a
// write and a second read unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "files/alg_format.h"
#include "files/alg_reader.h"
#include "model/algorithm.h"

namespace {

// Longer lines are cut into pieces by the reader, so deep indentation may
// split a sentence; the round trip only holds below that length.
bool linesFitOnePiece(const std::string &Text) {
  size_t Start = 0;
  while (Start < Text.size()) {
    size_t End = Text.find('\n', Start);
    if (End == std::string::npos)
      End = Text.size();
    if (End + 1 - Start > 999)
      return false;
    Start = End + 1;
  }
  return true;
}

void check(bool Condition, const char *What) {
  if (Condition)
    return;
  std::fprintf(stderr, "alg_reader_fuzz: %s\n", What);
  std::abort();
}

// One in-memory file that each input is written to, so that the program's
// own way in (a bounded, non-blocking open of a regular file) reads it too.
// A memfd is a regular file; a file on disk slowed the runs more than tenfold.
class InputFile {
public:
  InputFile() : Descriptor(memfd_create("alg_reader_fuzz", MFD_CLOEXEC)) {
    check(Descriptor >= 0, "memfd_create failed");
    Path = "/proc/self/fd/" + std::to_string(Descriptor);
  }
  ~InputFile() { close(Descriptor); }
  InputFile(const InputFile &) = delete;
  InputFile &operator=(const InputFile &) = delete;

  const std::string &hold(const char *Bytes, size_t Size) {
    check(ftruncate(Descriptor, 0) == 0, "ftruncate failed");
    check(pwrite(Descriptor, Bytes, Size, 0) == static_cast<ssize_t>(Size), "pwrite failed");
    return Path;
  }

private:
  int Descriptor = -1;
  std::string Path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
  const char *Bytes = reinterpret_cast<const char *>(Data);
  AlgorithmFileReader FromMemory;
  FromMemory.readBuffer(Bytes, Size);
  const std::string Text = algorithmText(*FromMemory.algorithm());

  if (Size > 0) {
    FILE *Stream = fmemopen(const_cast<char *>(Bytes), Size, "r");
    check(Stream != nullptr, "fmemopen failed");
    AlgorithmFileReader FromStream;
    FromStream.readStream(Stream);
    std::fclose(Stream);
    check(algorithmText(*FromStream.algorithm()) == Text, "stream and memory reads differ");
  }

  static InputFile File;
  AlgorithmFileReader FromFile(File.hold(Bytes, Size));
  check(FromFile.opened(), "the reader refused a regular file within the limit");
  check(algorithmText(*FromFile.algorithm()) == Text, "file and memory reads differ");

  if (!linesFitOnePiece(Text))
    return 0;
  AlgorithmFileReader Again;
  Again.readBuffer(Text.data(), Text.size());
  check(algorithmText(*Again.algorithm()) == Text, "write -> read -> write changed the text");
  return 0;
}
