// Rendering saved algorithm files without a window: every file read, run
// from its first command as the listing's whole preview runs it (the same
// step cap), its Shapes written as NAME.svg into an output folder, and an
// overview page index.html of all of them for a teacher to read or print.
#ifndef QUOVADRIN_RENDER_RENDER_BATCH_H
#define QUOVADRIN_RENDER_RENDER_BATCH_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/file_operations.h"

struct RenderRequest {
  /// The algorithm files, in any order.
  std::vector<std::string> Files;
  std::string OutputFolder;
  /// The seed for files whose names carry none (1 when this is empty too).
  std::optional<int32_t> Seed;
};

enum class RenderOutcome {
  /// The run ended by itself and its picture was written.
  Rendered,
  /// The step cap stopped the run; the picture shows the Shapes made by then.
  StepCapReached,
  /// The file could not be read: no picture.
  Unreadable,
  /// The run was made but its picture could not be written.
  PictureNotWritten,
};

/// One line of the listing: a command's sentence and its repeat depth.
struct ListingLine {
  int Level = 0;
  std::string Text;
};

struct RenderedFile {
  std::string Path;        ///< as it was given
  std::string FileName;    ///< without its folder
  std::string PictureName; ///< the picture's name in the output folder
  int32_t Seed = 1;
  RenderOutcome Outcome = RenderOutcome::Rendered;
  int ShapeCount = 0;
  std::vector<ListingLine> Listing;

  bool hasPicture() const {
    return Outcome == RenderOutcome::Rendered || Outcome == RenderOutcome::StepCapReached;
  }
};

struct RenderReport {
  /// Every file, in the order of their names.
  std::vector<RenderedFile> Files;
  bool FolderUsable = false;
  std::string OverviewPath;
  bool OverviewWritten = false;

  /// True when the folder, every picture and the overview were written.
  [[nodiscard]] bool complete() const;
};

/// Takes one German line for the console, without its line end.
using RenderMessageSink = std::function<void(const std::string &Line)>;

/// Renders every file of \p Request (creating the output folder when it is
/// missing) and writes the overview. A file that fails is told to \p Tell in
/// one line and the others are rendered all the same; a run stopped by the
/// step cap is told too, but its picture counts as rendered. Every file is
/// written through \p Files.
RenderReport renderAlgorithmFiles(const RenderRequest &Request, const RenderMessageSink &Tell,
                                  const FileOperations &Files = FileOperations());

#endif
