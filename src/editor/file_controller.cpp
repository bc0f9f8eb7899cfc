// Saving and loading from the editor. A load takes over the reader's
// algorithm and Variables and puts the Labels on them; a file that has gone
// or cannot be read since the list was made leaves the learner's work as it
// was and says so on the canvas.
#include "editor/file_controller.h"

#include "editor/editor_host.h"
#include "editor/field_labels.h"
#include "editor/field_values.h"
#include "editor/listing_state.h"
#include "exec/run.h"
#include "exec/session.h"
#include "files/alg_reader.h"
#include "files/reader_variables.h"

void FileController::save() { Context.showMessage(Context.Host.saveWork().Message); }

void FileController::showFileList() {
  Files.ListVisible = true;
  Files.List.Files = newestThatFit(scanSavedAlgorithms(), MaxFileListRows);
  ++Files.List.Revision;
}

bool FileController::openEntry(int Entry) {
  const auto &Names = Files.List.Files.Shown;
  if (!Files.ListVisible || Entry < 0 || Entry >= static_cast<int>(Names.size()))
    return false;
  (void)loadAlgorithmFile("vorpAlgorithms/" + Names[static_cast<size_t>(Entry)]);
  return true;
}

LoadResult FileController::loadAlgorithmFile(const std::string &Path) {
  AlgorithmFileReader Reader(Path);
  Files.ListVisible = false;
  if (!Reader.opened()) {
    // The reader has told the console; the learner's work stays.
    Context.showMessage("Datei konnte nicht geoeffnet werden");
    Context.Host.drawNow();
    return LoadResult::NotRead;
  }
  Session &Work = Context.Work;
  Work.adopt(Reader.releaseAlgorithm(), takeReaderVariables(Reader));
  // The open line and the last pressed one belonged to the old algorithm.
  Listing.forgetClicks();
  Labels.rebind(Work.variables());
  // The snapshot of a run's start without the run: the next mouse button
  // event puts the cursor and the values back as after an aborted run.
  takeRunSnapshot(Work);
  resetFieldVariables(Work, Labels, Context.Host);
  Context.Host.drawNow();
  return LoadResult::Loaded;
}
