// The application state instance, the fixed Variables, and the hook wrappers
// through which the core reaches the window system.
#include "app/app_state.h"

#include <memory>

#include "model/variable.h"

AppState app;

namespace {

// The fixed Variables belong to the program. Loading a file points the
// AppState handles at the reader's Variables instead; these stay alive so
// that anything still showing them never dangles.
std::unique_ptr<Variable> OwnedFixed[12];

Variable *makeFixed(int Slot, int32_t Value, const char *Name) {
  OwnedFixed[Slot] = std::make_unique<Variable>(Value);
  OwnedFixed[Slot]->setName(Name);
  return OwnedFixed[Slot].get();
}

} // namespace

Variable **userVariableSlot(int Index) {
  Variable **Slots[UserVariableCount] = {&app.x, &app.y, &app.dx, &app.dy,  &app.h,
                                         &app.v, &app.d, &app.n,  &app.min, &app.max};
  return Slots[Index];
}

void createFixedVariables() {
  app.x = makeFixed(0, 0, "x");
  app.y = makeFixed(1, 0, "y");
  app.dx = makeFixed(2, 1, "dx");
  app.dy = makeFixed(3, 1, "dy");
  app.h = makeFixed(4, 0, "h");
  app.v = makeFixed(5, 0, "v");
  app.d = makeFixed(6, 0, "d");
  app.n = makeFixed(7, 27, "n");
  app.count = makeFixed(8, 10, "");
  app.min = makeFixed(9, 0, "min");
  app.max = makeFixed(10, 10, "max");
  // The random-target holder starts from the text "0", then takes its name.
  OwnedFixed[11] = std::make_unique<Variable>("0");
  OwnedFixed[11]->setName("r");
  app.r = OwnedFixed[11].get();
}

void resetVariables() {
  app.x->setValue(0);
  app.y->setValue(0);
  app.d->setValue(0);
  app.h->setValue(0);
  app.v->setValue(0);
  app.dx->setValue(1);
  app.dy->setValue(1);
  app.min->setValue(0);
  app.max->setValue(10);
  app.n->setValue(27);
  refreshValueLabels();
}

void saveUserValues() {
  for (int I = 0; I < UserVariableCount; ++I)
    app.savedValues[I] = (*userVariableSlot(I))->value();
}

void restoreUserValues() {
  for (int I = 0; I < UserVariableCount; ++I)
    (*userVariableSlot(I))->setValue(app.savedValues[I]);
}

void resetModeDefaults() {
  app.runStart = 0;
  app.gridVisible = 1;
  app.listingTop = 1;
  app.commandEditing = 0;
  app.selectedTool = 1;
  app.selectedFieldRow = 1;
  app.selectedControl = 13;
  app.lineOrientation = 0;
  app.heldPick = -1;
  app.saveLetter = 96;
  app.stepDelay = InitialStepDelay;
  app.fileListVisible = -1;
  app.messageVisible = 0;
  app.listingScroll = 0;
  app.repeatDelay = 500;
}

void requestRedisplay() {
  if (app.hooks.postRedisplay)
    app.hooks.postRedisplay();
}

void setIdleStepping(bool On) {
  if (app.hooks.setIdleStepping)
    app.hooks.setIdleStepping(On);
}

void drawScreenNow() {
  if (app.hooks.drawScreen)
    app.hooks.drawScreen();
}

void refreshValueLabels() {
  if (app.hooks.refreshValueLabels)
    app.hooks.refreshValueLabels();
}

void raiseMessage(const std::string &Text) {
  if (app.hooks.showMessage)
    app.hooks.showMessage(Text);
}
