// Reads .alg files and writes them again in memory, to show that what the
// program saved reads back into the same commands: names each file whose
// text would change, or that the program would refuse to read, and exits
// with 1 if there is one.
//   quovadrin_alg_check FILE...
#include <cstdio>
#include <string>

#include "files/alg_format.h"
#include "files/alg_reader.h"
#include "files/regular_file.h"
#include "model/algorithm.h"

namespace {

// Why the program would not load a file, as this tool prints it.
const char *refusalText(RegularFileStatus Status) {
  switch (Status) {
  case RegularFileStatus::Readable:
    break;
  case RegularFileStatus::CannotOpen:
    return "cannot be opened";
  case RegularFileStatus::NotRegular:
    return "is not a regular file";
  case RegularFileStatus::TooLarge:
    return "is larger than the program reads";
  case RegularFileStatus::ReadFailed:
    return "cannot be read";
  }
  return "reads";
}

// Whether \p A writes back to exactly \p Bytes. The text is compared as it
// is written and the writing stops at the first difference, so a file whose
// loops indent its lines further and further costs no more than its size.
bool writesBackTo(Algorithm &A, const std::string &Bytes) {
  size_t Matched = 0;
  const bool Whole = writeAlgorithmText(A, [&](const char *Data, size_t Size) {
    if (Size > Bytes.size() - Matched || Bytes.compare(Matched, Size, Data, Size) != 0)
      return false;
    Matched += Size;
    return true;
  });
  return Whole && Matched == Bytes.size();
}

} // namespace

int main(int ArgCount, char **Args) {
  int Status = 0;
  for (int I = 1; I < ArgCount; ++I) {
    // The bytes the program would read, read once: the same bounded,
    // non-blocking read as the program's, so a pipe or a device named here
    // is refused instead of waited for.
    const RegularFileContent File = readRegularFile(Args[I], MaxAlgorithmFileBytes);
    if (!File.readable()) {
      std::printf("%s: %s\n", Args[I], refusalText(File.Status));
      Status = 1;
      continue;
    }
    AlgorithmFileReader Reader;
    Reader.readBuffer(File.Bytes.data(), File.Bytes.size());
    if (!writesBackTo(*Reader.algorithm(), File.Bytes)) {
      std::printf("%s: writes back to other bytes\n", Args[I]);
      Status = 1;
    }
  }
  return Status;
}
