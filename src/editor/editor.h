// The editor: what the learner's input and the passing of time do to the
// program. Events arrive here from the window; they change the Session and
// the EditorState and leave as requests to the Window (a frame, a timer, the
// idle step, the end). Nothing here draws, so every action can be driven in
// a test without a window. The members are spread over editor_*.cpp files,
// one part of the editor's work each.
#ifndef QUOVADRIN_EDITOR_EDITOR_H
#define QUOVADRIN_EDITOR_EDITOR_H

#include <cstdint>
#include <functional>
#include <string>

#include "editor/interaction_mode.h"
#include "editor/mouse_event.h"
#include "editor/pick_name.h"
#include "files/atomic_file.h"

class Picker;
class Session;
class ValueLabel;
class Variable;
class Window;
struct EditorState;

class Editor {
public:
  Editor(Session &S, EditorState &E, Window &W, Picker &P);
  Editor(const Editor &) = delete;
  Editor &operator=(const Editor &) = delete;

  // Events from the window.
  /// A mouse button pressed or released anywhere on the screen.
  void onMouse(const MouseEvent &Event);
  /// The pointer moved with a button held (a listing line is dragged).
  void onListingDrag(int X, int Y);
  /// The pointer moved without a button held (a canvas edit mode).
  void onPassiveMotion(int X, int Y);
  /// A timer armed with \p Generation has fired.
  void onTimer(unsigned Generation);
  /// A key.
  void onKeyboard(unsigned char Key);
  /// One animation step; the window's idle callback while a run is active.
  void idleStep();

  // Actions by pick name.
  /// The left button's action on \p Pick (tool panel, pen menu, file list).
  void primaryAction(int Pick);
  /// The right button's action on \p Pick.
  void secondaryAction(int Pick);

  // Runs.
  /// Begins an animated run unless one is active: the idle step is
  /// installed and the editor goes idle.
  void startRun();
  /// Stops an active run and shows the Variables' values from before it.
  void abortRun();
  /// The whole algorithm drawn at once, without animation.
  void runImmediately();
  /// The algorithm drawn at once up to listing line \p Line.
  void runToCommand(int Line);

  // Files.
  /// Saves the algorithm and the canvas picture and tells the learner how
  /// it went. Returns 0 when both files were written (see saveAlgorithmFiles).
  int saveAlgorithmFiles();
  /// Loads entry \p Entry of the saved-file list in place of the algorithm.
  void loadAlgorithmFile(int Entry);

  // Labels.
  void incrementLabel(ValueLabel &Label);
  void decrementLabel(ValueLabel &Label);
  /// The ten user Variables to their start values, shown in their Labels.
  void resetVariables();
  /// The ten parameter Labels show their Variables' values.
  void refreshFieldValues();
  /// The ten user Variables get the run snapshot's values back, shown in
  /// their Labels.
  void refreshFieldLabels();
  /// The parameters of the current command into the Labels and selections.
  void loadCommandIntoEditor();

  // The canvas.
  /// Places the pen menu around the pen and opens it.
  void openPenMenu();
  /// Inserts the commands that describe the edit mode's change.
  void commitCanvasEdit();

  /// Raises \p Text in the popup until the next mouse button event.
  void showMessage(const std::string &Text);

  /// How an animated step waits (the busy-wait unless replaced); tests put
  /// in a recorder so that a run costs no time.
  using StepWait = std::function<void(int Length)>;
  void setStepWait(StepWait Wait);
  /// Failures to simulate in the files a save writes.
  void setSaveFaults(const FileFaultPlan &Faults) { SaveFaults = Faults; }

private:
  /// The listing keeps the current command in view after every event.
  void settleListing();
  // editor_mouse.cpp
  void updatePointer(int X, int Y);
  void onCanvasMouse(const MouseEvent &Event);
  void onToolPanelMouse(const MouseEvent &Event);
  void endHolds();
  void armRepeatTimer();
  void repeatHeldAction();
  void scrollListingByTimer();
  void scrollListingOnce(bool Up);
  // editor_tool_actions.cpp
  void toolAction(int Tool);
  void diceAction();
  void repeatAction();
  void fieldAction(int Row, bool Increment);
  void controlLabelAction(ValueLabel &Label, bool Increment, bool TwoClick);
  void valueAction(PickName Action);
  void restart(bool LeftButton);
  void quit();
  void showFileList();
  void updateEditedRow(int Row);
  void updateEditedControl(const ValueLabel &Label);
  // editor_canvas.cpp
  void penMenuAction(int Pick);
  void insertDifference(Variable &V, int32_t Start);
  void showMovedValues(InteractionMode Mode);
  // editor_listing.cpp
  void onListingMouse(const MouseEvent &Event);
  void selectLine(int Line);
  void leaveListingDrag();
  void forgetListingClick();

  Session &S;
  EditorState &E;
  Window &W;
  Picker &P;
  StepWait Wait;
  FileFaultPlan SaveFaults;
};

#endif
