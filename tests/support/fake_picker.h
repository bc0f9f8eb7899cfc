// Test helper: a Picker that answers what the test set for each panel, so
// editor tests choose what lies under the pointer without a window.
#ifndef QUOVADRIN_TESTS_FAKE_PICKER_H
#define QUOVADRIN_TESTS_FAKE_PICKER_H

#include "editor/picker.h"
#include "pick_result_print.h"

class FakePicker final : public Picker {
public:
  PickResult ToolPanel = PickResult::nothing(Panel::Tool);
  PickResult Canvas = PickResult::nothing(Panel::Canvas);
  PickResult Listing = PickResult::nothing(Panel::Listing);
  /// How many picks were asked for, in all panels together.
  int Picks = 0;
  /// The side of the pick box the last pick was asked with.
  int LastBoxSide = 0;

  PickResult pick(Panel Which, const PickPoint &Where) override {
    ++Picks;
    LastBoxSide = Where.BoxSide;
    switch (Which) {
    case Panel::Tool:
      return ToolPanel;
    case Panel::Canvas:
      return Canvas;
    case Panel::Listing:
      return Listing;
    }
    return PickResult::nothing(Which);
  }
};

#endif
