// The editor: what the learner's input and the passing of time do to the
// program. Events arrive here from the window; they change the Session and
// the EditorState and leave as requests to the Window (a frame, a timer, the
// idle step, the end). Nothing here draws, so every action can be driven in
// a test without a window.
#ifndef QUOVADRIN_EDITOR_EDITOR_H
#define QUOVADRIN_EDITOR_EDITOR_H

#include <functional>
#include <string>

#include "files/atomic_file.h"

class Session;
class Window;
struct EditorState;

class Editor {
public:
  Editor(Session &S, EditorState &E, Window &W);
  Editor(const Editor &) = delete;
  Editor &operator=(const Editor &) = delete;

  /// Begins an animated run unless one is active: the idle step is
  /// installed and the editor goes idle.
  void startRun();
  /// One animation step; the window's idle callback while a run is active.
  void idleStep();
  /// Stops an active run and shows the Variables' values from before it.
  void abortRun();

  /// A key: Escape ends the program.
  void onKeyboard(unsigned char Key);

  /// Saves the algorithm and the canvas picture and tells the learner how
  /// it went. Returns 0 when both files were written (see saveAlgorithmFiles).
  int saveAlgorithmFiles();

  /// The ten user Variables to their start values, shown in their Labels.
  void resetVariables();
  /// The ten parameter Labels show their Variables' values.
  void refreshFieldValues();
  /// Raises \p Text in the popup until the next mouse button event.
  void showMessage(const std::string &Text);

  /// How an animated step waits (the busy-wait unless replaced); tests put
  /// in a recorder so that a run costs no time.
  using StepWait = std::function<void(int Length)>;
  void setStepWait(StepWait Wait);
  /// Failures to simulate in the files a save writes.
  void setSaveFaults(const FileFaultPlan &Faults) { SaveFaults = Faults; }

private:
  Session &S;
  EditorState &E;
  Window &W;
  StepWait Wait;
  FileFaultPlan SaveFaults;
};

#endif
