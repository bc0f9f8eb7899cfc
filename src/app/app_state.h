// The one process-wide application state: screen geometry, the long-lived
// objects, the editor's modes and selections, the run state and the save
// counters. Every subsystem reads and writes it directly. It holds no GL
// types, so the core library and its tests can use it without a window.
#ifndef QUOVADRIN_APP_APP_STATE_H
#define QUOVADRIN_APP_APP_STATE_H

#include <functional>
#include <string>

#include "app/ui_hooks.h"
#include "exec/point.h"

class Algorithm;
class Drawing;
class Variable;
class Button;
class Label;
class MessageBox;
class FileList;
class AlgorithmFileReader;

/// Capacity of the polyline template buffers.
constexpr int TemplatePolyCapacity = 400;
/// Number of the user Variables saved and restored around runs.
constexpr int UserVariableCount = 10;
/// The busy-wait length every run starts with.
constexpr int InitialStepDelay = 5000000;

struct AppState {
  // Screen geometry. Everything is laid out in a fixed 1024 x 768 space.
  int screenWidth = 1024;
  int screenHeight = 768;
  int layoutWidth = 1024;
  int layoutHeight = 768;
  float cellWidth = 20.0f;
  float cellHeight = 20.0f;

  // Long-lived objects.
  Algorithm *algorithm = nullptr;
  Drawing *drawing = nullptr;
  Variable *x = nullptr;
  Variable *y = nullptr;
  Variable *dx = nullptr;
  Variable *dy = nullptr;
  Variable *h = nullptr;
  Variable *v = nullptr;
  Variable *d = nullptr;
  Variable *n = nullptr;
  Variable *count = nullptr; ///< the repeat count offered by the repeat control
  Variable *min = nullptr;
  Variable *max = nullptr;
  Variable *r = nullptr; ///< shown by the random-target Label

  Button *toolChain = nullptr; ///< title Button; the chain gives drawing and picking order
  /// Parameter rows 1 to 10: x, y, w, h, V, H, D, n, max, min (index row - 1).
  Label *fieldLabels[10] = {};
  Label *countLabel = nullptr; ///< c
  Label *randomTargetLabel = nullptr; ///< r
  Label *upperLabel = nullptr;
  Label *lowerLabel = nullptr;
  /// Pen menu in the order xyAbs, hvAbs, dAbs, whAbs, stamp, xyRel, hvRel, dRel, whRel.
  Button *penMenu[9] = {};
  unsigned backgroundList = 0;
  unsigned alphabetTexture = 0;
  FileList *fileList = nullptr;
  MessageBox *messageBox = nullptr;
  AlgorithmFileReader *loadedFile = nullptr;

  // Modes and selections.
  int gridVisible = 1;
  int listingTop = 1;
  int selectedTool = 1;
  int selectedFieldRow = 1;
  int selectedControl = 13;
  int interactionState = -1;
  int fileListVisible = -1;
  int messageVisible = 0;
  int listingScroll = 0;
  int commandEditing = 0;
  int lineOrientation = 0;

  // Input and repeat.
  int heldPick = -1;
  int repeatDelay = 500;
  int pointerX = 0;
  int pointerY = 0;
  int dragOffsetX = 0;
  int dragOffsetY = 0;
  int lastListingClick = 0;

  // Running.
  int stepDelay = InitialStepDelay;
  int runStart = 0;
  /// x, y, dx, dy, h, v, d, n, min, max, in that order.
  int savedValues[UserVariableCount] = {};
  Point templatePoints[12];
  float templateLineEnds[4] = {};
  Point templatePolyPoints[TemplatePolyCapacity];
  Point templatePolyMidpoints[TemplatePolyCapacity];

  // Files.
  int seedValue = 0;
  std::string seedText;
  int saveLetter = 96;

  /// How the core reaches the window system; empty hooks do nothing.
  UiHooks hooks;
};

extern AppState app;

/// The ten user Variables in the order of savedValues.
Variable **userVariableSlot(int Index);

/// Creates the twelve fixed Variables with their names and start values.
void createFixedVariables();
/// Puts x, y, d, h, v, dx, dy, min, max and n back to their start values and
/// refreshes the value Labels.
void resetVariables();
/// Copies the ten user values into savedValues, or puts them back.
void saveUserValues();
void restoreUserValues();
/// Sets the fields the start-up gives defaults to (the modes, the run state
/// and the save counter) back to those defaults.
void resetModeDefaults();

#endif
