// Write-to-temporary-then-rename. The temporary name ends in neither ".alg"
// nor ".png", so the saved-file list never offers a half-written file.
#include "files/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "model/text_format.h"

namespace {

// O_EXCL keeps two writers (or a stale leftover) from sharing one temporary
// file; the mode 0666 lets the umask decide, as fopen would.
FILE *createExclusive(const std::string &FinalPath, std::string &TempPath) {
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    TempPath = formatText("%s.tmp-%ld-%d", FinalPath.c_str(), static_cast<long>(getpid()), Attempt);
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
