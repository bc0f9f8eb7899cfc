// The animated run as the editor drives it: its start from the Go Button,
// one step per idle call of the platform with the Labels and a frame brought
// up to date, and its abort by any mouse button event.
#ifndef QUOVADRIN_EDITOR_RUN_CONTROLLER_H
#define QUOVADRIN_EDITOR_RUN_CONTROLLER_H

#include "editor/editor_context.h"

class FieldLabels;

class RunController {
public:
  RunController(EditorContext Shared, FieldLabels &FieldValues)
      : Context(Shared), Labels(FieldValues) {}

  /// Begins an animated run unless one is active: the idle step is
  /// installed and the editor goes idle.
  void startRun();
  /// One animation step; the platform's idle call while a run is active.
  void idleStep();
  /// Stops an active run and shows the Variables' values from before it.
  void abortRun();

private:
  EditorContext Context;
  FieldLabels &Labels;
};

#endif
