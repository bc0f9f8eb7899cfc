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

namespace {

// The reader keeps its Variables in the order of the file format; the
// Session's follow the run snapshot.
UserVariables takeReaderVariables(AlgorithmFileReader &Reader) {
  auto Read = Reader.releaseVariables();
  const struct {
    AlgorithmFileReader::Slot From;
    UserVariable To;
  } Moves[] = {
      {AlgorithmFileReader::X, UserVariable::X},     {AlgorithmFileReader::Y, UserVariable::Y},
      {AlgorithmFileReader::Dx, UserVariable::Dx},   {AlgorithmFileReader::Dy, UserVariable::Dy},
      {AlgorithmFileReader::H, UserVariable::H},     {AlgorithmFileReader::V, UserVariable::V},
      {AlgorithmFileReader::D, UserVariable::D},     {AlgorithmFileReader::N, UserVariable::N},
      {AlgorithmFileReader::Max, UserVariable::Max}, {AlgorithmFileReader::Min, UserVariable::Min}};
  UserVariables Taken;
  for (const auto &Move : Moves)
    Taken[VariableSet::index(Move.To)] = std::move(Read[Move.From]);
  return Taken;
}

} // namespace

int Editor::saveAlgorithmFiles() {
  const SaveOutcome Outcome = ::saveAlgorithmFiles(
      S.algorithm(), S.seedText(), E.SaveLetter,
      [this](const std::string &Path, const FileFaultPlan &Faults) {
        return W.writeCanvasPicture(Path, Faults);
      },
      SaveFaults);
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
