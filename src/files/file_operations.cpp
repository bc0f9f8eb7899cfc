// The file operations: the fault plan picked per path, and whole text files
// written atomically.
#include "files/file_operations.h"

#include "files/atomic_file.h"

FileFaultPlan FileFaultPlan::forPath(const std::string &FinalPath) const {
  if (!Path.empty() && Path != FinalPath)
    return FileFaultPlan();
  return *this;
}

bool FileOperations::writeText(const std::string &Path, const std::string &Text) const {
  AtomicFile File(Path, *this);
  return File.isOpen() && File.write(Text) && File.commit();
}
