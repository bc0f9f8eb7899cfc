// The saved algorithm files a learner can load: the names of the .alg files
// in vorpAlgorithms/, and the choice of which of them the list can show.
#ifndef QUOVADRIN_FILES_SAVED_FILES_H
#define QUOVADRIN_FILES_SAVED_FILES_H

#include <string>
#include <vector>

/// The file names (without folder) matching \p Pattern, sorted by name; only
/// regular files within MaxAlgorithmFileBytes, the ones the reader accepts
/// (pipes, devices, folders, unreadable and oversized files are left out).
/// Names begin with the seed, the start time in seconds, so the order is
/// oldest first. A missing folder gives an empty list.
std::vector<std::string> scanSavedAlgorithms(const char *Pattern = "vorpAlgorithms/*.alg");

/// The names a list of at most \p MaxRows rows shows: all of them when they
/// fit, otherwise the newest MaxRows - 1, with one row left to say how many
/// older ones are hidden.
struct SavedFileWindow {
  std::vector<std::string> Shown;
  int Hidden = 0;
};
SavedFileWindow newestThatFit(const std::vector<std::string> &Names, int MaxRows);

/// The text of the row that tells of hidden older files.
std::string hiddenFilesText(int Hidden);

#endif
