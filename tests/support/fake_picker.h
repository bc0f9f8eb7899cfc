// Test helper: a Picker that answers what the test set for each panel, so
// editor tests choose what lies under the pointer without a window.
#ifndef QUOVADRIN_TESTS_FAKE_PICKER_H
#define QUOVADRIN_TESTS_FAKE_PICKER_H

#include "editor/picker.h"

class FakePicker final : public Picker {
public:
  int ToolPanel = -1;
  int Canvas = -1;
  int Listing = -1;
  /// How many picks were asked for, in all panels together.
  int Picks = 0;

  int pickToolPanel(int, int) override { return ++Picks, ToolPanel; }
  int pickCanvas(int, int) override { return ++Picks, Canvas; }
  int pickListing(int, int) override { return ++Picks, Listing; }
};

#endif
