// Write-to-temporary-then-rename. The temporary name is short and hidden, and
// ends in neither ".alg" nor ".png": any name the file system allows can be
// written (a name of 250 bytes plus a suffix would not fit its 255), and
// neither the saved-file list nor a folder given to --render ever offers a
// half-written file.
#include "files/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "model/text_format.h"

namespace {

// The folder part of \p Path, with its slash; empty for a bare name.
std::string folderOf(const std::string &Path) {
  const size_t Slash = Path.rfind('/');
  return Slash == std::string::npos ? std::string() : Path.substr(0, Slash + 1);
}

// O_EXCL keeps two writers (or a stale leftover) from sharing one temporary
// file; the mode 0666 lets the umask decide, as fopen would. The temporary
// file must lie in the final file's folder, for the rename to be atomic.
FILE *createExclusive(const std::string &FinalPath, std::string &TempPath) {
  const std::string Folder = folderOf(FinalPath);
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    TempPath = Folder + formatText(".quovadrin-%ld-%d.tmp", static_cast<long>(getpid()), Attempt);
    int Fd = open(TempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (Fd < 0) {
      if (errno == EEXIST)
        continue;
      break;
    }
    FILE *Stream = fdopen(Fd, "wb");
    if (Stream)
      return Stream;
    close(Fd);
    unlink(TempPath.c_str());
    break;
  }
  TempPath.clear();
  return nullptr;
}

} // namespace

AtomicFile::AtomicFile(std::string Path, const FileOperations &Files)
    : FinalPath(std::move(Path)), Faults(Files.faultsFor(FinalPath)) {
  Stream = createExclusive(FinalPath, TempPath);
}

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::write(const void *Data, size_t Size) {
  if (!Stream || Failed)
    return false;
  ++Writes;
  if (Faults.FailWrite == Writes) {
    // A failing disk usually takes part of the data first.
    std::fwrite(Data, 1, Size / 2, Stream);
    Failed = true;
    return false;
  }
  if (Size > 0 && std::fwrite(Data, 1, Size, Stream) != Size)
    Failed = true;
  return !Failed;
}

// Every byte must be on the disk before the rename makes the file the saved
// one; a failed sync is a failed save.
bool AtomicFile::closeStream() {
  bool Ok = std::fflush(Stream) == 0;
  Ok = syncToDisk() && Ok;
  Ok = std::fclose(Stream) == 0 && Ok;
  Stream = nullptr;
  return Ok && !Faults.FailClose;
}

bool AtomicFile::syncToDisk() {
  if (Faults.FailSync)
    return false;
  return fsync(fileno(Stream)) == 0;
}

bool AtomicFile::commit() {
  if (!Stream)
    return false;
  if (Failed || !closeStream()) {
    discard();
    return false;
  }
  if (Faults.FailRename || std::rename(TempPath.c_str(), FinalPath.c_str()) != 0) {
    discard();
    return false;
  }
  TempPath.clear();
  return true;
}

void AtomicFile::discard() {
  if (Stream) {
    std::fclose(Stream);
    Stream = nullptr;
  }
  if (!TempPath.empty()) {
    std::remove(TempPath.c_str());
    TempPath.clear();
  }
}
