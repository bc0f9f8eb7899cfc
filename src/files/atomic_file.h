// A file written under a temporary name beside its final place and renamed
// into place only when every byte has reached the disk, so that a failed save
// never leaves a truncated file nor destroys the older file of that name.
// The file operations it is opened through can make a chosen write, the
// sync, the close or the rename fail, so tests can prove that the older file
// survives.
#ifndef QUOVADRIN_FILES_ATOMIC_FILE_H
#define QUOVADRIN_FILES_ATOMIC_FILE_H

#include <cstddef>
#include <cstdio>
#include <string>

#include "files/file_operations.h"

class AtomicFile {
public:
  /// Creates the temporary file beside \p FinalPath; isOpen() tells whether
  /// that worked. The failures \p Files plans for that path are simulated.
  explicit AtomicFile(std::string FinalPath, const FileOperations &Files = FileOperations());
  /// Removes the temporary file unless commit() succeeded.
  ~AtomicFile();
  AtomicFile(const AtomicFile &) = delete;
  AtomicFile &operator=(const AtomicFile &) = delete;

  bool isOpen() const { return Stream != nullptr; }
  /// Appends \p Size bytes. After the first failure every later write and
  /// the commit fail too.
  bool write(const void *Data, size_t Size);
  bool write(const std::string &Text) { return write(Text.data(), Text.size()); }
  /// Flushes, syncs and closes the file, then renames it over the final path.
  /// On any failure the temporary file is removed and the final path keeps
  /// whatever it held before.
  bool commit();
  /// Gives up: closes and removes the temporary file.
  void discard();

  const std::string &temporaryPath() const { return TempPath; }

private:
  bool closeStream();
  /// False when the file's bytes did not reach the disk.
  bool syncToDisk();

  std::string FinalPath;
  std::string TempPath;
  FILE *Stream = nullptr;
  bool Failed = false;
  int Writes = 0;
  FileFaultPlan Faults;
};

#endif
