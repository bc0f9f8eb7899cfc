// Which pickable thing lies under a window pixel, in one panel. The host
// answers from the regions the screen's frame builders record as they
// draw; tests answer with whatever the case needs.
#ifndef QUOVADRIN_EDITOR_PICKER_H
#define QUOVADRIN_EDITOR_PICKER_H

#include "editor/pick_result.h"
#include "editor/pointer_event.h"

class Picker {
public:
  /// What panel \p Which shows under the box \p Where: the tool panel's
  /// Buttons and Labels and the file list while it shows; the pen marker,
  /// or the pen-menu Buttons while the menu is open; the listing's scroll
  /// strips and visible lines.
  [[nodiscard]] virtual PickResult pick(Panel Which, const PickPoint &Where) = 0;

protected:
  // A picker is never destroyed through this interface.
  ~Picker() = default;
};

#endif
