// The one way in which the learner's files reach the disk. Every writer (the
// .alg file, the grey PNG, the vector picture, the batch rendering's pages)
// opens its atomic file through a FileOperations, so the failures a test
// plans for reach each of those writes through this one object instead of
// travelling through the signatures of the window and the editor. The
// program's own FileOperations fails nothing.
#ifndef QUOVADRIN_FILES_FILE_OPERATIONS_H
#define QUOVADRIN_FILES_FILE_OPERATIONS_H

#include <string>
#include <utility>

/// Failures to simulate in the files whose final path is Path (every file
/// when Path is empty). Each file counts its own writes from 1. The default
/// plan fails nothing.
struct FileFaultPlan {
  std::string Path;
  int FailWrite = 0; ///< the write call that fails; 0 for none
  bool FailSync = false;
  bool FailClose = false;
  bool FailRename = false;
  /// The PNG writer's memory request that fails (1 hits its write
  /// structure, 2 its info structure); 0 for none.
  int FailPngAllocation = 0;

  /// The part of the plan that applies to the file \p FinalPath.
  FileFaultPlan forPath(const std::string &FinalPath) const;
};

class FileOperations {
public:
  /// Real file operations: nothing is made to fail.
  FileOperations() = default;
  /// File operations that fail as \p Plan says.
  explicit FileOperations(FileFaultPlan Plan) : Faults(std::move(Plan)) {}

  /// From now on the writes fail as \p Plan says (the default plan: none).
  void setFaults(const FileFaultPlan &Plan) { Faults = Plan; }
  /// The failures planned for the file that will be \p FinalPath.
  FileFaultPlan faultsFor(const std::string &FinalPath) const { return Faults.forPath(FinalPath); }

  /// Writes \p Text to \p Path through a temporary file, so a failed write
  /// leaves whatever the path held before. False when any part failed.
  [[nodiscard]] bool writeText(const std::string &Path, const std::string &Text) const;

private:
  FileFaultPlan Faults;
};

#endif
