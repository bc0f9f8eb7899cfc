// The two buttons' actions on a picked name, each given to the controller
// the name belongs to. The tools, the controls' Buttons, undo, save, load,
// print, the pen menu and the file entries have no right-button action.
#include "editor/editor.h"

#include <cassert>

#include "editor/pick_name.h"
#include "editor/pick_role.h"
#include "editor/window.h"

void Editor::primaryAction(const PickResult &Pick) {
  const PickRole Role = roleOf(Pick);
  if (Role == PickRole::Quit) {
    Tools.quit();
    return;
  }
  // A load draws its own frame.
  if (Role == PickRole::FileEntry && Files.openEntry(Pick.fileEntry()))
    return;
  if (Role == PickRole::Go)
    Runs.startRun();
  else if (Role == PickRole::Save)
    (void)Files.saveAlgorithmFiles();
  else if (Role == PickRole::Load)
    Files.showFileList();
  else if (Role == PickRole::PenMenu)
    Canvas.penMenuAction(Pick.name());
  else
    toolPanelAction(Role, Pick.name(), true);
  Context.Host.postRedisplay();
}

// The names that change the algorithm, the Labels or the selections. The
// right button steps a Label at once and leaves the highlight alone; the
// tools and the Buttons without an argument have no right-button action.
void Editor::toolPanelAction(PickRole Role, PickName Name, bool Left) {
  if (Role == PickRole::Field) {
    Tools.fieldAction(FieldLabels::rowOfPick(Name), Left);
  } else if (Role == PickRole::ControlLabel) {
    ValueLabel *Label = Labels.labels().byPick(Name);
    assert(Label && "every control name has its Label");
    Tools.controlLabelAction(*Label, Left, Left);
  } else if (Role == PickRole::ValueButton) {
    Tools.valueAction(Name);
  } else if (Role == PickRole::Restart) {
    Tools.restart(Left);
  } else if (Left && Role == PickRole::Tool) {
    Tools.toolAction(static_cast<ShapeKind>(Name));
  } else if (Left) {
    buttonAction(Role);
  }
}

// The left button on the Buttons that act without an argument.
void Editor::buttonAction(PickRole Role) {
  using Action = void (ToolActions::*)();
  const struct {
    PickRole Role;
    Action Act;
  } Buttons[] = {{PickRole::Dice, &ToolActions::diceAction},
                 {PickRole::Repeat, &ToolActions::repeatAction},
                 {PickRole::Undo, &ToolActions::undoAction},
                 {PickRole::Print, &ToolActions::print}};
  for (const auto &Button : Buttons)
    if (Button.Role == Role)
      (Tools.*Button.Act)();
}

void Editor::secondaryAction(const PickResult &Pick) {
  const PickRole Role = roleOf(Pick);
  if (Role == PickRole::Quit) {
    Context.Host.exit(0);
    return;
  }
  if (Role == PickRole::Go)
    Runs.startRun();
  else
    toolPanelAction(Role, Pick.name(), false);
  Context.Host.postRedisplay();
}
