// Each handler of the pick table, handing its name to its controller.
#include "editor/pick_handlers.h"

#include <cassert>

#include "editor/canvas_controller.h"
#include "editor/editor_host.h"
#include "editor/field_labels.h"
#include "editor/file_controller.h"
#include "editor/run_controller.h"
#include "editor/tool_actions.h"

AfterPick PickHandlers::chooseOrDrawTool(PickHandlers &Handlers, const PickResult &Pick) {
  Handlers.Tools.toolAction(static_cast<ShapeKind>(Pick.name()));
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::rollDice(PickHandlers &Handlers, const PickResult &) {
  Handlers.Tools.diceAction();
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::repeatBlock(PickHandlers &Handlers, const PickResult &) {
  Handlers.Tools.repeatAction();
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::undo(PickHandlers &Handlers, const PickResult &) {
  Handlers.Tools.undoAction();
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::go(PickHandlers &Handlers, const PickResult &) {
  Handlers.Runs.startRun();
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::save(PickHandlers &Handlers, const PickResult &) {
  Handlers.Files.save();
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::showFileList(PickHandlers &Handlers, const PickResult &) {
  Handlers.Files.showFileList();
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::stepFieldUp(PickHandlers &Handlers, const PickResult &Pick) {
  Handlers.Tools.fieldAction(FieldLabels::rowOfPick(Pick.name()), true);
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::stepFieldDown(PickHandlers &Handlers, const PickResult &Pick) {
  Handlers.Tools.fieldAction(FieldLabels::rowOfPick(Pick.name()), false);
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::print(PickHandlers &Handlers, const PickResult &) {
  Handlers.Tools.print();
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::penMenu(PickHandlers &Handlers, const PickResult &Pick) {
  Handlers.Canvas.penMenuAction(Pick.name());
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::stepControlUp(PickHandlers &Handlers, const PickResult &Pick) {
  ValueLabel *Label = Handlers.Labels.byPick(Pick.name());
  assert(Label && "every control name has its Label");
  Handlers.Tools.controlLabelAction(*Label, true, true);
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::stepControlDown(PickHandlers &Handlers, const PickResult &Pick) {
  ValueLabel *Label = Handlers.Labels.byPick(Pick.name());
  assert(Label && "every control name has its Label");
  Handlers.Tools.controlLabelAction(*Label, false, false);
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::insertValue(PickHandlers &Handlers, const PickResult &Pick) {
  Handlers.Tools.valueAction(Pick.name());
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::restartWithLeft(PickHandlers &Handlers, const PickResult &) {
  Handlers.Tools.restart(true);
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::restartWithRight(PickHandlers &Handlers, const PickResult &) {
  Handlers.Tools.restart(false);
  return AfterPick::Redisplay;
}

AfterPick PickHandlers::quitWithLeft(PickHandlers &Handlers, const PickResult &) {
  Handlers.Tools.quit();
  return AfterPick::Done;
}

AfterPick PickHandlers::quitWithRight(PickHandlers &Handlers, const PickResult &) {
  Handlers.Context.Host.exit(0);
  return AfterPick::Done;
}

AfterPick PickHandlers::openFileEntry(PickHandlers &Handlers, const PickResult &Pick) {
  return Handlers.Files.openEntry(Pick.fileEntry()) ? AfterPick::Done : AfterPick::Redisplay;
}
