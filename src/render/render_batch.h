// Rendering saved algorithm files without a window: every file given (or
// found in a folder given) read, run from its first command as the listing's
// whole preview runs it (the same step cap), its Shapes written as NAME.svg
// into an output folder, and the overview page index.html of all of them,
// grouped by folder, for a teacher to read or print. Only one file's
// drawing is in memory at a time.
#ifndef QUOVADRIN_RENDER_RENDER_BATCH_H
#define QUOVADRIN_RENDER_RENDER_BATCH_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/file_operations.h"
#include "render/render_card.h"

struct RenderRequest {
  /// Algorithm files and folders, in any order.
  std::vector<std::string> Inputs;
  std::string OutputFolder;
  /// The seed for files whose names carry none (1 when this is empty too).
  std::optional<int32_t> Seed;
};

struct RenderReport {
  /// Every card, in overview order.
  std::vector<Card> Cards;
  /// Given names that were no algorithm files (nor folders), and folders
  /// that could not be read: nothing was drawn of them.
  std::vector<std::string> Passed;
  bool FolderUsable = false;
  std::string OverviewPath;
  bool OverviewWritten = false;

  /// True when the folder, every picture and the overview were written and
  /// nothing given was passed over.
  [[nodiscard]] bool complete() const;
};

/// Takes one German line for the console, without its line end.
using RenderMessageSink = std::function<void(const std::string &Line)>;

/// Renders every file of \p Request (creating the output folder when it is
/// missing) and writes the overview. Each file or name that fails is told to
/// \p Tell in one line, and the others are rendered all the same; a run
/// stopped by the step cap is told too, but its picture counts as rendered.
/// Every file is written through \p Files.
RenderReport renderAlgorithmFiles(const RenderRequest &Request, const RenderMessageSink &Tell,
                                  const FileOperations &Files = FileOperations());

#endif
