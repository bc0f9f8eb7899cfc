// The two buttons' actions on a picked name, as the controllers that pick
// reach them: the holds repeat them and the canvas hands the pen menu's
// names to them. The editor carries them out by sending each name to the
// controller it belongs to.
#ifndef QUOVADRIN_EDITOR_PICK_ACTIONS_H
#define QUOVADRIN_EDITOR_PICK_ACTIONS_H

#include "editor/pick_result.h"

class PickActions {
public:
  virtual ~PickActions() = default;
  /// The left button's action on \p Pick (tool panel, pen menu, file list).
  virtual void primaryAction(const PickResult &Pick) = 0;
  /// The right button's action on \p Pick.
  virtual void secondaryAction(const PickResult &Pick) = 0;
};

#endif
