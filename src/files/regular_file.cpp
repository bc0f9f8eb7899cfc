// Opening a file without blocking, deciding on what was opened rather than on
// the name, and reading it within a byte limit.
#include "files/regular_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One open attempt, closed again on every way out.
class OpenedFile {
public:
  OpenedFile(const std::string &Path, std::size_t MaxBytes);
  ~OpenedFile() {
    if (Descriptor >= 0)
      close(Descriptor);
  }
  OpenedFile(const OpenedFile &) = delete;
  OpenedFile &operator=(const OpenedFile &) = delete;

  RegularFileStatus Status = RegularFileStatus::CannotOpen;
  int Descriptor = -1;
  std::size_t Size = 0; ///< as the opened file reported it
};

// O_NONBLOCK: opening a pipe for reading would otherwise wait for a writer.
// O_NOCTTY: a terminal opened here must not become the program's own. The
// type and size come from the opened descriptor, not from the name, which
// someone may point elsewhere in between.
OpenedFile::OpenedFile(const std::string &Path, std::size_t MaxBytes) {
  Descriptor = open(Path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (Descriptor < 0)
    return;
  struct stat Info {};
  if (fstat(Descriptor, &Info) != 0) {
    Status = RegularFileStatus::ReadFailed;
    return;
  }
  if (!S_ISREG(Info.st_mode)) {
    Status = RegularFileStatus::NotRegular;
    return;
  }
  if (Info.st_size < 0 || static_cast<unsigned long long>(Info.st_size) > MaxBytes) {
    Status = RegularFileStatus::TooLarge;
    return;
  }
  Size = static_cast<std::size_t>(Info.st_size);
  Status = RegularFileStatus::Readable;
}

// Reads to the end of the file. The reported size is only the first guess:
// the file may change while it is read, and some regular files (those under
// /proc) report 0. One byte more than the limit is room enough to see that a
// file has outgrown it.
RegularFileStatus readToEnd(int Descriptor, std::size_t Expected, std::size_t MaxBytes,
                            std::string &Bytes) {
  const std::size_t Room = MaxBytes + 1;
  Bytes.resize(Expected < Room ? Expected + 1 : Room);
  std::size_t Have = 0;
  for (;;) {
    if (Have == Bytes.size()) {
      if (Have > MaxBytes)
        return RegularFileStatus::TooLarge;
      const std::size_t Grown = Have < 4096 ? 4096 : 2 * Have;
      Bytes.resize(Grown < Room ? Grown : Room);
    }
    const ssize_t Got = read(Descriptor, &Bytes[Have], Bytes.size() - Have);
    if (Got == 0)
      break;
    if (Got < 0 && errno == EINTR)
      continue;
    if (Got < 0)
      return RegularFileStatus::ReadFailed;
    Have += static_cast<std::size_t>(Got);
  }
  Bytes.resize(Have);
  return RegularFileStatus::Readable;
}

} // namespace

RegularFileStatus checkRegularFile(const std::string &Path, std::size_t MaxBytes) {
  const OpenedFile File(Path, MaxBytes);
  return File.Status;
}

RegularFileContent readRegularFile(const std::string &Path, std::size_t MaxBytes) {
  RegularFileContent Content;
  const OpenedFile File(Path, MaxBytes);
  Content.Status = File.Status;
  if (Content.Status != RegularFileStatus::Readable)
    return Content;
  Content.Status = readToEnd(File.Descriptor, File.Size, MaxBytes, Content.Bytes);
  if (!Content.readable())
    std::string().swap(Content.Bytes);
  return Content;
}
