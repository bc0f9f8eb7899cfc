// The flow of a save: the learner's algorithm, the canvas picture the
// platform reads back and the vector picture of the Drawing, written under
// the session's next free name through the one set of file operations; the
// paths written, for a platform to store or offer; and the note that the
// work is kept in a file now.
#ifndef QUOVADRIN_HOST_SAVE_FLOW_H
#define QUOVADRIN_HOST_SAVE_FLOW_H

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "files/alg_writer.h"
#include "files/file_operations.h"
#include "files/save_names.h"

class Session;

class SaveFlow {
public:
  explicit SaveFlow(const FileOperations &GivenStorage) : Storage(GivenStorage) {}

  /// Saves \p Work with the canvas picture \p Picture makes, asked for only
  /// right before it is written.
  [[nodiscard]] SaveOutcome save(Session &Work, const std::function<GrayImage()> &Picture);
  /// The paths the last save wrote: the algorithm and the picture, and the
  /// vector picture when it was written too; none when the save failed.
  const std::vector<std::string> &written() const { return Written; }
  /// Forgets the paths of the last save, so that they are told only once.
  void forgetWritten() { Written.clear(); }
  /// The paths of the last save, forgotten here as they are handed over.
  [[nodiscard]] std::vector<std::string> takeWritten() { return std::exchange(Written, {}); }
  /// The save counter: saveLetterText of it is the letters of the last save.
  int letter() const { return SaveCounter; }

private:
  const FileOperations &Storage;
  int SaveCounter = InitialSaveCounter;
  std::vector<std::string> Written;
};

#endif
