// Saving and loading from the editor. A load takes over the reader's
// algorithm and Variables and puts the Labels on them; a file that has gone
// or cannot be read since the list was made leaves the learner's work as it
// was and says so on the canvas.
#include "editor/file_controller.h"

#include "editor/label_controller.h"
#include "editor/listing_controller.h"
#include "editor/window.h"
#include "exec/run.h"
#include "exec/session.h"
#include "files/alg_reader.h"
#include "files/alg_writer.h"
#include "files/reader_variables.h"

FileResult FileController::saveAlgorithmFiles() {
  Window &Host = Context.Host;
  SaveContent Content;
  Content.Picture = [&Host] { return Host.canvasPicture(); };
  Content.VectorPicture = [&Host](const TextSink &Sink) { return Host.writeVectorPicture(Sink); };
  const SaveOutcome Outcome = ::saveAlgorithmFiles(
      Context.Work.algorithm(), Context.Work.seedText(), Files.SaveLetter, Content, Disk);
  Context.showMessage(Outcome.Message);
  return Outcome.Result;
}

void FileController::showFileList() {
  Files.ListVisible = true;
  Files.List.Files = newestThatFit(scanSavedAlgorithms(), MaxFileListRows);
  ++Files.List.Revision;
}

bool FileController::openEntry(int Entry) {
  if (!Files.ListVisible || Entry >= static_cast<int>(Files.List.Files.Shown.size()))
    return false;
  loadAlgorithmFile(Entry);
  return true;
}

void FileController::loadAlgorithmFile(int Entry) {
  const auto &Names = Files.List.Files.Shown;
  if (Entry < 0 || Entry >= static_cast<int>(Names.size()))
    return;
  AlgorithmFileReader Reader("vorpAlgorithms/" + Names[static_cast<size_t>(Entry)]);
  Files.ListVisible = false;
  if (!Reader.opened()) {
    // The reader has told the console; the learner's work stays.
    Context.showMessage("Datei konnte nicht geoeffnet werden");
    Context.Host.drawNow();
    return;
  }
  Session &Work = Context.Work;
  Work.adopt(Reader.releaseAlgorithm(), takeReaderVariables(Reader));
  // The open line and the last pressed one belonged to the old algorithm.
  Listing.forgetClicks();
  Labels.labels().rebind(Work.variables());
  // The snapshot of a run's start without the run: the next mouse button
  // event puts the cursor and the values back as after an aborted run.
  takeRunSnapshot(Work);
  Labels.resetVariables();
  Context.Host.drawNow();
}
