// Where the program's images (the icons and the alphabet atlas) are read
// from: the working directory, as always, or else the data folder of an
// installation, found from the executable's own place, so that an installed
// program works from any folder. The learner's saved files stay relative to
// the working directory either way.
#ifndef QUOVADRIN_FILES_IMAGE_FOLDER_H
#define QUOVADRIN_FILES_IMAGE_FOLDER_H

#include <optional>
#include <string>
#include <vector>

/// The icons' folder and the atlas all text is cut from, below an image folder.
constexpr const char *IconFolder = "vorpData/";
constexpr const char *AlphabetAtlasPath = "alphabetTextures/alphabet_trans_gray.png";

/// The folders that may hold the images, each as a prefix for the relative
/// image paths, in the order they are tried: "" (the working directory, so
/// that paths and messages stay relative as they always were), then the
/// folder \p DataFromExe relative to the folder of \p ExePath. Without a
/// known executable only the working directory is tried.
std::vector<std::string> imageFolderCandidates(const std::string &ExePath,
                                               const std::string &DataFromExe);

/// The first candidate holding both the icons' folder and the atlas.
std::optional<std::string> findImageFolder(const std::vector<std::string> &Candidates);

/// The one line said when no candidate holds the images; the working
/// directory is named by \p WorkingDir.
std::string imagesNotFoundText(const std::vector<std::string> &Candidates,
                               const std::string &WorkingDir);

/// The running program's own file, "" where the system does not tell.
std::string executablePath();

#endif
