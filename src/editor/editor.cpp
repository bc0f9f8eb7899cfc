// The editor's runs, keys and messages.
#include "editor/editor.h"

#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "editor/window.h"
#include "exec/run.h"
#include "exec/session.h"

namespace {

constexpr unsigned char EscapeKey = 27;
constexpr unsigned char SpaceKey = 32;
constexpr unsigned char RedrawKey = 'p';

void busyWaitFor(int Length) { busyWait(Length); }

} // namespace

Editor::Editor(Session &S, EditorState &E, Window &W, Picker &P)
    : S(S), E(E), W(W), P(P), Wait(busyWaitFor) {}

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
  const StepOutcome Result = stepRun(S);
  if (!Result.goesOn()) {
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

// Every key makes the same message current; only the space bar shows it at
// once, and a message already on screen changes its text with the next frame.
void Editor::onKeyboard(unsigned char Key) {
  E.Popup.replace("Teste Dich doch selber!");
  if (Key == EscapeKey) {
    W.exit(0);
    return;
  }
  if (Key == SpaceKey) {
    E.Popup.Visible = true;
    W.drawNow();
    return;
  }
  if (Key == RedrawKey)
    W.drawNow();
}

void Editor::settleListing() { keepCurrentVisible(E, S.algorithm()); }

void Editor::showMessage(const std::string &Text) {
  E.Popup.replace(Text);
  E.Popup.Visible = true;
}
