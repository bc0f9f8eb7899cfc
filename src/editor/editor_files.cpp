// Saving and loading from the editor. A load takes over the reader's
// algorithm and Variables and puts the Labels on them; a file that has gone
// or cannot be read since the list was made leaves the learner's work as it
// was and says so on the canvas.
#include "editor/editor.h"

#include "editor/editor_state.h"
#include "editor/window.h"
#include "exec/run.h"
#include "exec/session.h"
#include "files/alg_reader.h"
#include "files/alg_writer.h"
#include "files/reader_variables.h"

int Editor::saveAlgorithmFiles() {
  const SaveOutcome Outcome = ::saveAlgorithmFiles(
      S.algorithm(), S.seedText(), E.SaveLetter,
      [this](const std::string &Path, const FileFaultPlan &Faults) {
        return W.writeCanvasPicture(Path, Faults);
      },
      SaveFaults,
      [this](const std::string &Path, const FileFaultPlan &Faults) {
        return W.writeVectorPicture(Path, Faults);
      });
  showMessage(Outcome.Message);
  return Outcome.Result;
}

void Editor::loadAlgorithmFile(int Entry) {
  const auto &Names = E.FileList.Files.Shown;
  if (Entry < 0 || Entry >= static_cast<int>(Names.size()))
    return;
  AlgorithmFileReader Reader("vorpAlgorithms/" + Names[static_cast<size_t>(Entry)]);
  E.FileListVisible = false;
  if (!Reader.opened()) {
    // The reader has told the console; the learner's work stays.
    showMessage("Datei konnte nicht geoeffnet werden");
    W.drawNow();
    return;
  }
  S.adopt(Reader.releaseAlgorithm(), takeReaderVariables(Reader));
  // The open line and the last pressed one belonged to the old algorithm.
  E.CommandEditing = false;
  E.LastListingClick = 0;
  E.Labels.rebind(S.variables());
  // The snapshot of a run's start without the run: the next mouse button
  // event puts the cursor and the values back as after an aborted run.
  takeRunSnapshot(S);
  resetVariables();
  W.drawNow();
}
