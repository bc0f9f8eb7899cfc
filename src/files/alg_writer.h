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
#include "files/save_names.h"
#include "files/text_sink.h"

class Algorithm;

/// The most saves of one session: names of up to seven letters. A save every
/// second of a whole school day makes some 30,000.
constexpr int MaxSavesPerSession = 26 * 26 * 26 * 26;

/// Writes \p A to \p Path through \p Files (replacing it only when
/// complete). A write that got as far as the commands leaves the first
/// Command current.
[[nodiscard]] FileResult writeAlgorithmFile(Algorithm &A, const std::string &Path,
                                            const FileOperations &Files = FileOperations());

/// What the window gives a save besides the algorithm, each asked for only
/// right before it is written: the canvas picture, and the vector picture,
/// which writes its text piece by piece through the sink it is handed (and
/// stops when the sink refuses). Without a picture nothing is saved; without
/// a vector picture none is written.
struct SaveContent {
  std::function<GrayImage()> Picture;
  TextProducer VectorPicture;
};

/// What became of a save's vector picture.
enum class VectorPictureOutcome {
  /// None was asked for: the save failed before it, or there is none.
  NotWritten,
  Written,
  /// Larger than MaxVectorPictureBytes: nothing of it was written.
  TooLarge,
  /// The disk refused it.
  Failed,
};

struct SaveOutcome {
  /// Done when the picture and the .alg file were written, else what failed
  /// first.
  FileResult Result = FileResult::Done;
  /// Whether the save found free names; Names is empty when it did not.
  bool NamesFound = false;
  /// The names this save took (or tried).
  SaveNames Names;
  /// The algorithm's text would be larger than a file the program reads
  /// back: nothing was written.
  bool AlgorithmTooLarge = false;
  bool PictureWritten = false;
  bool AlgorithmWritten = false;
  VectorPictureOutcome VectorPicture = VectorPictureOutcome::NotWritten;
  /// What the learner is told: the confirmation, or that nothing was saved.
  std::string Message;
};

/// The save action: advances \p SaveCounter to the next save whose names
/// are all free, writes the picture and then the .alg file of \p A, named
/// after \p SeedText and the save's letters, all through \p Files. No older
/// file is ever written over. An algorithm whose file would be too large to
/// read back (MaxAlgorithmFileBytes) is not saved at all. A picture that
/// fails stops the save before the .alg file. The vector picture comes last, only after both, so
/// its failure can harm neither; it adds a remark to the confirmation.
SaveOutcome saveAlgorithmFiles(Algorithm &A, const std::string &SeedText, int &SaveCounter,
                               const SaveContent &Content, const FileOperations &Files);

#endif
