// The editor's runs, keys, saves and Label refreshes.
#include "editor/editor.h"

#include "editor/editor_state.h"
#include "editor/window.h"
#include "exec/run.h"
#include "exec/session.h"
#include "files/alg_writer.h"

namespace {

constexpr unsigned char EscapeKey = 27;

void busyWaitFor(int Length) { busyWait(Length); }

} // namespace

Editor::Editor(Session &S, EditorState &E, Window &W) : S(S), E(E), W(W), Wait(busyWaitFor) {}

void Editor::setStepWait(StepWait NewWait) { Wait = NewWait ? std::move(NewWait) : busyWaitFor; }

void Editor::startRun() {
  if (!::startRun(S))
    return;
  E.Mode = InteractionMode::Idle;
  W.setIdleStepping(true);
}

void Editor::idleStep() {
  if (!S.run().active()) {
    // Only a run installs the idle step; a stray call removes it again.
    W.setIdleStepping(false);
    return;
  }
  const int Result = stepRun(S);
  if (Result < 1) {
    // The finished picture shows without grid.
    E.GridVisible = false;
    W.setIdleStepping(false);
    W.postRedisplay();
    return;
  }
  refreshFieldValues();
  W.drawNow();
  updateStepDelay(S, Result);
  Wait(S.run().StepDelay);
  W.postRedisplay();
}

void Editor::abortRun() {
  if (!::abortRun(S))
    return;
  W.setIdleStepping(false);
  refreshFieldValues();
  W.postRedisplay();
}

void Editor::onKeyboard(unsigned char Key) {
  if (Key == EscapeKey)
    W.exit(0);
}

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

void Editor::resetVariables() {
  S.variables().resetValues();
  refreshFieldValues();
}

void Editor::refreshFieldValues() {
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    E.Labels.row(Row).showValue();
  W.postRedisplay();
}

void Editor::showMessage(const std::string &Text) {
  E.Popup.replace(Text);
  E.Popup.Visible = true;
}
