// Which pickable thing lies under a window pixel, panel by panel. The program
// answers by the screen's geometry; tests answer with whatever the case needs.
#ifndef QUOVADRIN_EDITOR_PICKER_H
#define QUOVADRIN_EDITOR_PICKER_H

#include "editor/pick_result.h"

class Picker {
public:
  virtual ~Picker() = default;
  /// The tool panel's Buttons and Labels, and the file list while it shows.
  [[nodiscard]] virtual PickResult pickToolPanel(int X, int Y) = 0;
  /// The pen marker, or the pen-menu Buttons while the menu is open.
  [[nodiscard]] virtual PickResult pickCanvas(int X, int Y) = 0;
  /// The scroll strips and the visible listing lines.
  [[nodiscard]] virtual PickResult pickListing(int X, int Y) = 0;
};

#endif
