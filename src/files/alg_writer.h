// Saving the learner's work: the algorithm as vorpAlgorithms/seed_<seed>-<letter>.alg
// and the canvas as vorpImages/seed_<seed>-<letter>.png, with a popup that
// tells whether both were written.
#ifndef QUOVADRIN_FILES_ALG_WRITER_H
#define QUOVADRIN_FILES_ALG_WRITER_H

#include <string>

class Algorithm;

/// The file-name parts of one save.
struct SaveNames {
  std::string AlgorithmPath;
  std::string PicturePath;
  std::string Confirmation; ///< "seed_<seed>-<letter> gespeichert"
  std::string Failure;      ///< "seed_<seed>-<letter> nicht gespeichert"
};

/// The letter of a save counter: its low byte as a one-character string,
/// empty when that byte is 0.
std::string saveLetterText(int SaveLetter);
SaveNames saveNames(const std::string &SeedText, const std::string &Letter);

/// Writes \p A to \p Path (replacing it only when complete). 0 on success,
/// -1 on failure. A write that got as far as the walk leaves the first
/// Command current.
int writeAlgorithmFile(Algorithm &A, const std::string &Path);

/// The save action: advances saveLetter, writes the picture through
/// app.hooks.writeCanvasPicture and then the .alg file, and raises the
/// message with the outcome. Returns 0 when both files were written, -1 when
/// a file could not be written, or the picture writer's code (2, 3, 4).
int saveAlgorithmFiles();

#endif
