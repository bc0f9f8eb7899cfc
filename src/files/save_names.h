// The names of a save: seed_<seed>-<letters> for the algorithm, the picture
// and the vector picture, and the messages that name them. The letters count
// the saves of a session: a to z for the first 26, as always, and after them
// names that stay plain lowercase letters, so that every one is a valid file
// name on a USB stick or a Windows share (FAT, exFAT, NTFS: no case twins, no
// reserved characters), valid UTF-8, never repeated, and sorted by name in
// the order the saves were made, which the file list relies on to show the
// newest.
#ifndef QUOVADRIN_FILES_SAVE_NAMES_H
#define QUOVADRIN_FILES_SAVE_NAMES_H

#include <string>

/// The value a session's save counter starts at: the counter goes up by one
/// before each save, and the first save (counter 97) takes the letter "a".
constexpr int InitialSaveCounter = 96;

/// The letters of the save whose counter is \p SaveCounter:
///   saves 1 to 26:        a ... z
///   saves 27 to 676:      z + [a-y] + one letter  (zaa ... zyz)
///   saves 677 to 17,576:  zz + [a-y] + two letters (zzaaa ... zzyzz)
/// and so on, each group one z and one letter longer, 26 to the power n
/// saves in all with at most 2n - 1 letters. The leading z's put each group
/// after the one before it in name order. Empty for a counter before the
/// first save.
std::string saveLetterText(int SaveCounter);

/// The file-name parts of one save.
struct SaveNames {
  std::string AlgorithmPath;
  std::string PicturePath;
  std::string VectorPicturePath;
  std::string Confirmation; ///< "seed_<seed>-<letter> gespeichert"
  /// The confirmation when only the vector picture failed to be written.
  std::string ConfirmationWithoutVector;
  /// The confirmation when the vector picture was larger than the bound.
  std::string ConfirmationVectorTooLarge;
  std::string Failure; ///< "seed_<seed>-<letter> nicht gespeichert"
  /// The failure when the algorithm's text would be larger than a file the
  /// program reads.
  std::string FailureTooLarge;
};

SaveNames saveNames(const std::string &SeedText, const std::string &Letter);

#endif
