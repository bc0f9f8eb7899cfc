// The two buttons' actions on a picked name, each given to the controller
// the name belongs to. The tools, the controls' Buttons, undo, save, load,
// print, the pen menu and the file entries have no right-button action.
#include "editor/editor.h"

#include "editor/pick_name.h"
#include "editor/pick_role.h"
#include "editor/window.h"

void Editor::primaryAction(int Pick) {
  switch (roleOf(Pick)) {
  case PickRole::FileEntry:
    // A load draws its own frame.
    if (Files.openEntry(Pick - pickValue(PickName::FirstFileEntry)))
      return;
    break;
  case PickRole::Tool:
    Tools.toolAction(Pick);
    break;
  case PickRole::Dice:
    Tools.diceAction();
    break;
  case PickRole::Repeat:
    Tools.repeatAction();
    break;
  case PickRole::Undo:
    Tools.undoAction();
    break;
  case PickRole::Go:
    Runs.startRun();
    break;
  case PickRole::Save:
    (void)Files.saveAlgorithmFiles();
    break;
  case PickRole::Load:
    Files.showFileList();
    break;
  case PickRole::Field:
    Tools.fieldAction(FieldLabels::rowOfPick(Pick), true);
    break;
  case PickRole::Print:
    Tools.print();
    break;
  case PickRole::PenMenu:
    Canvas.penMenuAction(static_cast<PickName>(Pick));
    break;
  case PickRole::ControlLabel:
    Tools.controlLabelAction(*Labels.labels().byPick(Pick), true, true);
    break;
  case PickRole::ValueButton:
    Tools.valueAction(static_cast<PickName>(Pick));
    break;
  case PickRole::Restart:
    Tools.restart(true);
    break;
  case PickRole::Quit:
    Tools.quit();
    return;
  case PickRole::None:
    break;
  }
  Context.Host.postRedisplay();
}

void Editor::secondaryAction(int Pick) {
  switch (roleOf(Pick)) {
  case PickRole::Go:
    Runs.startRun();
    break;
  case PickRole::Field:
    Tools.fieldAction(FieldLabels::rowOfPick(Pick), false);
    break;
  case PickRole::ControlLabel:
    Tools.controlLabelAction(*Labels.labels().byPick(Pick), false, false);
    break;
  case PickRole::ValueButton:
    Tools.valueAction(static_cast<PickName>(Pick));
    break;
  case PickRole::Restart:
    Tools.restart(false);
    break;
  case PickRole::Quit:
    Context.Host.exit(0);
    return;
  case PickRole::None:
  case PickRole::FileEntry:
  case PickRole::Tool:
  case PickRole::Dice:
  case PickRole::Repeat:
  case PickRole::Undo:
  case PickRole::Save:
  case PickRole::Load:
  case PickRole::Print:
  case PickRole::PenMenu:
    break;
  }
  Context.Host.postRedisplay();
}
