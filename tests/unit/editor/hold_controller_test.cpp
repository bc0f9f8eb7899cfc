// Holding the buttons on the tool panel: the value fields act on the press
// and repeat faster while held, every other Button acts once on the release
// over the name under the pointer, and every release ends the hold.
#include <gtest/gtest.h>

#include <string>

#include "editor_fixture.h"

TEST(ToolPanelInput, HeldValueFieldRepeatsFasterUntilAnyRelease) {
  EditorFixture F;
  F.toolPress(PickName::FieldX);
  EXPECT_EQ(F.value(UserVariable::X), 1) << "row 1 is selected: the press acts at once";
  for (int Repeat = 0; Repeat < 12; ++Repeat)
    F.fireTimer();
  std::vector<int> Delays;
  for (const auto &T : F.Host.Timers)
    Delays.push_back(T.Milliseconds);
  // Each delay the last one divided by 1.75 and truncated, but never below
  // 40 ms.
  EXPECT_EQ(Delays, (std::vector<int>{500, 285, 162, 92, 52, 40, 40, 40, 40, 40, 40, 40, 40}));
  EXPECT_EQ(F.value(UserVariable::X), 13);
  EXPECT_EQ(F.State.Labels.row(1).text(), "x=13");

  // Released over the canvas: the repetition ends there too, and the timer
  // that was still armed finds nothing to do.
  F.mouse(Left, ButtonState::Up, EditorFixture::CanvasX);
  F.fireTimer();
  EXPECT_EQ(F.value(UserVariable::X), 13);
  EXPECT_EQ(F.State.Hold.HeldName, PickName::Nothing);
  EXPECT_EQ(F.State.Hold.RepeatDelay, 500);
  EXPECT_EQ(F.State.Mode, InteractionMode::Idle);

  // A row that is not selected: the press selects it, the first repeat steps.
  F.toolPress(PickName::FieldY);
  EXPECT_EQ(F.State.Tools.SelectedFieldRow, 2);
  EXPECT_EQ(F.value(UserVariable::Y), 0);
  F.fireTimer();
  EXPECT_EQ(F.value(UserVariable::Y), 1);
  // Released in the panel: no step on release, and a new hold starts at 500.
  F.toolRelease(PickName::FieldY);
  EXPECT_EQ(F.value(UserVariable::Y), 1);
  F.toolPress(PickName::FieldY, Right);
  EXPECT_EQ(F.value(UserVariable::Y), 0) << "the right button steps down";
  EXPECT_EQ(F.Host.Timers.back().Milliseconds, 500);
}

// The last of the names that repeat while held: min counts faster while the
// button stays down, like every other row.

TEST(ToolPanelInput, HoldingTheMinRowCountsFasterUntilTheRelease) {
  EditorFixture F;
  F.toolClick(PickName::FieldMin);
  ASSERT_EQ(F.State.Tools.SelectedFieldRow, 10);
  const size_t Armed = F.Host.Timers.size();
  F.toolPress(PickName::FieldMin);
  EXPECT_EQ(F.State.Labels.row(10).text(), "min=1") << "the press counts at once";
  ASSERT_EQ(F.Host.Timers.size(), Armed + 1) << "and the hold goes on counting";
  F.fireTimer();
  F.fireTimer();
  F.fireTimer();
  EXPECT_EQ(F.Host.Timers.back().Milliseconds, 92);
  F.toolRelease(PickName::FieldMin);
  EXPECT_EQ(F.value(UserVariable::Min), 4) << "the release counts no more";
  EXPECT_EQ(F.State.Labels.row(10).text(), "min=4");
}

// The window draws only when asked: each click that changes the tool panel
// or the listing must ask for a frame, even with the grid already shown and
// no message to hide.

TEST(ToolPanelInput, ButtonsActOnReleaseOverTheNameUnderThePointer) {
  EditorFixture F;
  F.toolPress(PickName::Save);
  EXPECT_EQ(F.Host.PictureRequests, 0) << "nothing on press";
  F.toolRelease(PickName::Load);
  EXPECT_EQ(F.Host.PictureRequests, 0) << "save was never released";
  EXPECT_TRUE(F.State.Files.ListVisible) << "load was";
  F.toolPress(PickName::Undo);
  F.toolRelease(PickResult::nothing(Panel::Tool));
  EXPECT_EQ(F.algorithm().commandCount(), 0);
  F.algorithm().appendDraw(1);
  F.toolClick(PickName::Undo, Right);
  EXPECT_EQ(F.algorithm().commandCount(), 1) << "undo has no right-button action";
}
