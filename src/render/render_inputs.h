// What --render is given, made into the algorithm files to draw: a folder
// stands for every .alg file in it and its subfolders, a file must be named
// .alg. Anything else is named back to the teacher and never read, so the
// pictures and the overview of an earlier run in the same folder are not
// taken for algorithms, and nothing given is written over.
#ifndef QUOVADRIN_RENDER_RENDER_INPUTS_H
#define QUOVADRIN_RENDER_RENDER_INPUTS_H

#include <string>
#include <vector>

#include "render/render_plan.h"

struct RenderInputs {
  /// Each algorithm file once (the first path that names it), with the
  /// folder it lies in as an absolute path.
  std::vector<PlannedFile> Files;
  /// Given names that are neither a folder nor named .alg.
  std::vector<std::string> NotAlgorithms;
  /// Given folders that could not be read.
  std::vector<std::string> UnreadableFolders;
};

/// Whether \p Name ends in ".alg", as the program's saved files do.
bool isAlgorithmFileName(const std::string &Name);

/// The files \p Given stands for. Inside folders, hidden entries (names that
/// begin with a dot: a copying system's leftovers, temporary files) are
/// passed over, and linked folders are not followed. A given .alg name that
/// is missing or is no regular file stays in the list, for its card to say
/// so.
RenderInputs findRenderInputs(const std::vector<std::string> &Given);

#endif
