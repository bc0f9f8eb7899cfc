// Saving the learner's work: the algorithm as vorpAlgorithms/seed_<seed>-<letter>.alg,
// the canvas as vorpImages/seed_<seed>-<letter>.png and, for printing, as
// vorpImages/seed_<seed>-<letter>.svg, and the message that tells what was
// written.
#ifndef QUOVADRIN_FILES_ALG_WRITER_H
#define QUOVADRIN_FILES_ALG_WRITER_H

#include <functional>
#include <string>

#include "files/file_operations.h"
#include "files/file_result.h"
#include "files/gray_png.h"

class Algorithm;

/// The file-name parts of one save.
struct SaveNames {
  std::string AlgorithmPath;
  std::string PicturePath;
  std::string VectorPicturePath;
  std::string Confirmation; ///< "seed_<seed>-<letter> gespeichert"
  /// The confirmation when only the vector picture failed.
  std::string ConfirmationWithoutVector;
  std::string Failure; ///< "seed_<seed>-<letter> nicht gespeichert"
};

/// The letter of a save counter: its low byte as a one-character string,
/// empty when that byte is 0.
std::string saveLetterText(int SaveLetter);
SaveNames saveNames(const std::string &SeedText, const std::string &Letter);

/// Writes \p A to \p Path through \p Files (replacing it only when
/// complete). A write that got as far as the commands leaves the first
/// Command current.
[[nodiscard]] FileResult writeAlgorithmFile(Algorithm &A, const std::string &Path,
                                            const FileOperations &Files = FileOperations());

/// What the window gives a save besides the algorithm, each asked for only
/// right before it is written: the canvas picture, and the vector picture's
/// text. Without a picture nothing is saved; without a vector picture none
/// is written.
struct SaveContent {
  std::function<GrayImage()> Picture;
  std::function<std::string()> VectorPicture;
};

struct SaveOutcome {
  /// Done when both files were written, else what failed first.
  FileResult Result = FileResult::Done;
  /// Whether the vector picture was written too (never when Result is not 0).
  bool VectorPictureWritten = false;
  /// What the learner is told: the confirmation, or that nothing was saved.
  std::string Message;
};

/// The save action: advances \p SaveLetter to the next letter whose names
/// are free, writes the picture and then the .alg file of \p A, named after
/// \p SeedText and the letter, all through \p Files. No older file is ever
/// written over. A picture that fails stops the save before the .alg file.
/// The vector picture comes last, only after both, so its failure can harm
/// neither; it adds a remark to the confirmation.
SaveOutcome saveAlgorithmFiles(Algorithm &A, const std::string &SeedText, int &SaveLetter,
                               const SaveContent &Content, const FileOperations &Files);

#endif
