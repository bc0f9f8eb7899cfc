// Reading a file whose name comes from a shared folder without trusting the
// name: a name ending in .alg may stand for a named pipe (opening it waits for
// a writer), a link to a device (/dev/zero never ends), a folder, or a file of
// any size. Only a regular file up to a size limit is read; everything else is
// refused at once, without waiting and without reading a byte of it.
#ifndef QUOVADRIN_FILES_REGULAR_FILE_H
#define QUOVADRIN_FILES_REGULAR_FILE_H

#include <cstddef>
#include <string>

/// The largest algorithm file the program reads. A line the program writes is
/// some 20 to 45 bytes, so 4 MiB holds about 100,000 commands, each at least
/// one click: far more than a lesson produces. Reading one at the limit takes
/// well under a second and some tens of MB for its commands.
constexpr std::size_t MaxAlgorithmFileBytes = std::size_t{4} << 20;

/// What became of an attempt to open or read a file.
enum class RegularFileStatus {
  Readable,   ///< a regular file of at most the limit (read whole by readRegularFile)
  CannotOpen, ///< missing, a dangling link, not permitted, or a socket
  NotRegular, ///< a pipe, device or folder
  TooLarge,   ///< more bytes than the limit
  ReadFailed, ///< opened, but reading it failed
};

/// A read file: its bytes when Status is Readable, nothing otherwise.
struct RegularFileContent {
  RegularFileStatus Status = RegularFileStatus::CannotOpen;
  std::string Bytes;

  bool readable() const { return Status == RegularFileStatus::Readable; }
};

/// Whether \p Path would read: opens it without blocking and without reading,
/// and answers as readRegularFile would, short of a failing read.
[[nodiscard]] RegularFileStatus checkRegularFile(const std::string &Path, std::size_t MaxBytes);

/// The whole content of the regular file \p Path when it holds at most
/// \p MaxBytes bytes. Never blocks on a pipe or device and never holds more
/// than MaxBytes + 1 bytes, even when the file grows while it is read.
[[nodiscard]] RegularFileContent readRegularFile(const std::string &Path, std::size_t MaxBytes);

#endif
