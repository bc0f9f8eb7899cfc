// An action a controller asks the editor to carry out on a pick: the left
// button's or the right button's, through the pick table. Controllers that
// meet a pick another part of the editor answers return one of these
// instead of calling that part.
#ifndef QUOVADRIN_EDITOR_PICK_REQUEST_H
#define QUOVADRIN_EDITOR_PICK_REQUEST_H

#include "editor/pick_result.h"

enum class PickAction { None, Primary, Secondary };

struct PickRequest {
  PickAction Action = PickAction::None;
  PickResult Pick = PickResult::nothing(Panel::Tool);

  static PickRequest none() { return {}; }
  static PickRequest of(bool Left, const PickResult &Picked) {
    return {Left ? PickAction::Primary : PickAction::Secondary, Picked};
  }
  bool wanted() const { return Action != PickAction::None; }
};

#endif
