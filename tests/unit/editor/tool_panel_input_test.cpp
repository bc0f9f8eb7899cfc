// The tool panel through the editor's event interface: what a press and a
// release do, the auto-repeat of held value fields, the two-click rule, the
// Labels' constants and rings, the commands each Button inserts and the
// frames the clicks ask for; and which panel a mouse button event reaches.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "editor_fixture.h"

namespace {

constexpr auto Left = MouseButton::Left;
constexpr auto Right = MouseButton::Right;

int valueOf(EditorFixture &F, UserVariable Which) { return F.vars().user(Which).value(); }

} // namespace

TEST(ToolPanelInput, SquareInsertsAtOnceOtherToolsSelectFirst) {
  EditorFixture F;
  F.toolClick(PickName::Square);
  EXPECT_EQ(F.sentences(), "Zeichne Quadrat\n");
  F.toolClick(PickName::Circle);
  EXPECT_EQ(F.E.SelectedTool, pickValue(PickName::Circle));
  EXPECT_EQ(F.sentences(), "Zeichne Quadrat\n") << "the first click only selects";
  F.toolClick(PickName::Circle);
  EXPECT_EQ(F.sentences(), "Zeichne Quadrat\nZeichne Kreis\n");
  EXPECT_EQ(F.currentText(), "Zeichne Kreis");
  EXPECT_EQ(F.E.Mode, InteractionMode::Idle);

  // Selecting and inserting both refresh the marker's preview: each raster
  // line click turns the line, and a blob click draws a new outline.
  const int Before = F.S.templates().LineOrientation;
  F.toolClick(PickName::RasterLine);
  F.toolClick(PickName::RasterLine);
  EXPECT_EQ(F.S.templates().LineOrientation, Before);
  F.toolClick(PickName::Blob);
  EXPECT_FLOAT_EQ(F.S.templates().Points[0].y, 0.5f);
  EXPECT_FLOAT_EQ(F.S.templates().Points[6].y, -0.5f);

  // A command open for editing takes the kind of a newly selected tool.
  F.E.CommandEditing = true;
  F.algorithm().select(2);
  F.toolClick(PickName::SoftPolyline);
  EXPECT_EQ(F.sentences(), "Zeichne Quadrat\nZeichne weichen Linienzug\nZeichne Rasterlinie\n");
}

TEST(ToolPanelInput, HeldValueFieldRepeatsFasterUntilAnyRelease) {
  EditorFixture F;
  F.toolPress(pickValue(PickName::FieldX));
  EXPECT_EQ(valueOf(F, UserVariable::X), 1) << "row 1 is selected: the press acts at once";
  for (int Repeat = 0; Repeat < 12; ++Repeat)
    F.fireTimer();
  std::vector<int> Delays;
  for (const auto &T : F.W.Timers)
    Delays.push_back(T.Milliseconds);
  EXPECT_EQ(Delays, (std::vector<int>{500, 285, 162, 92, 52, 29, 16, 9, 5, 2, 1, 0, 0}));
  EXPECT_EQ(valueOf(F, UserVariable::X), 13);
  EXPECT_EQ(F.E.Labels.row(1).text(), "x=13");

  // Released over the canvas: the repetition ends there too, and the timer
  // that was still armed finds nothing to do.
  F.mouse(Left, ButtonState::Up, EditorFixture::CanvasX);
  F.fireTimer();
  EXPECT_EQ(valueOf(F, UserVariable::X), 13);
  EXPECT_EQ(F.E.HeldPick, -1);
  EXPECT_EQ(F.E.RepeatDelay, 500);
  EXPECT_EQ(F.E.Mode, InteractionMode::Idle);

  // A row that is not selected: the press selects it, the first repeat steps.
  F.toolPress(pickValue(PickName::FieldY));
  EXPECT_EQ(F.E.SelectedFieldRow, 2);
  EXPECT_EQ(valueOf(F, UserVariable::Y), 0);
  F.fireTimer();
  EXPECT_EQ(valueOf(F, UserVariable::Y), 1);
  // Released in the panel: no step on release, and a new hold starts at 500.
  F.toolRelease(pickValue(PickName::FieldY));
  EXPECT_EQ(valueOf(F, UserVariable::Y), 1);
  F.toolPress(pickValue(PickName::FieldY), Right);
  EXPECT_EQ(valueOf(F, UserVariable::Y), 0) << "the right button steps down";
  EXPECT_EQ(F.W.Timers.back().Milliseconds, 500);
}

// The last of the names that repeat while held: min counts faster while the
// button stays down, like every other row.
TEST(ToolPanelInput, HoldingTheMinRowCountsFasterUntilTheRelease) {
  EditorFixture F;
  F.toolClick(PickName::FieldMin);
  ASSERT_EQ(F.E.SelectedFieldRow, 10);
  const size_t Armed = F.W.Timers.size();
  F.toolPress(pickValue(PickName::FieldMin));
  EXPECT_EQ(F.E.Labels.row(10).text(), "min=1") << "the press counts at once";
  ASSERT_EQ(F.W.Timers.size(), Armed + 1) << "and the hold goes on counting";
  F.fireTimer();
  F.fireTimer();
  F.fireTimer();
  EXPECT_EQ(F.W.Timers.back().Milliseconds, 92);
  F.toolRelease(pickValue(PickName::FieldMin));
  EXPECT_EQ(valueOf(F, UserVariable::Min), 4) << "the release counts no more";
  EXPECT_EQ(F.E.Labels.row(10).text(), "min=4");
}

// The window draws only when asked: each click that changes the tool panel
// or the listing must ask for a frame, even with the grid already shown and
// no message to hide.
TEST(ToolPanelInput, EveryClickThatChangesThePanelAsksForAFrame) {
  EditorFixture F;
  auto FramesAskedBy = [&F](PickName Name) {
    const int Before = F.W.Redisplays;
    F.toolClick(Name);
    return F.W.Redisplays - Before;
  };
  EXPECT_GT(FramesAskedBy(PickName::Circle), 0) << "choosing a tool";
  EXPECT_GT(FramesAskedBy(PickName::Circle), 0) << "inserting Zeichne Kreis";
  EXPECT_EQ(F.currentText(), "Zeichne Kreis");
  EXPECT_GT(FramesAskedBy(PickName::FieldY), 0) << "choosing a row";
  EXPECT_GT(FramesAskedBy(PickName::FieldY), 0) << "stepping its value";
  EXPECT_EQ(F.E.Labels.row(2).text(), "y=1");
  EXPECT_GT(FramesAskedBy(PickName::Repeat), 0) << "choosing a control";
  EXPECT_GT(FramesAskedBy(PickName::Count), 0) << "choosing the count";
  EXPECT_GT(FramesAskedBy(PickName::Count), 0) << "stepping the count";
}

TEST(ToolPanelInput, ButtonsActOnReleaseOverTheNameUnderThePointer) {
  EditorFixture F;
  F.toolPress(pickValue(PickName::Save));
  EXPECT_TRUE(F.W.Pictures.empty()) << "nothing on press";
  F.toolRelease(pickValue(PickName::Load));
  EXPECT_TRUE(F.W.Pictures.empty()) << "save was never released";
  EXPECT_TRUE(F.E.FileListVisible) << "load was";
  F.toolPress(pickValue(PickName::Undo));
  F.toolRelease(-1);
  EXPECT_EQ(F.algorithm().commandCount(), 0);
  F.algorithm().appendDraw(1);
  F.toolClick(PickName::Undo, Right);
  EXPECT_EQ(F.algorithm().commandCount(), 1) << "undo has no right-button action";
}

TEST(ToolPanelInput, LabelsStepConstantsAndWalkTheirRings) {
  EditorFixture F;
  // Right clicks on c count 10, 9, ..., 1 and then stay at 1.
  for (int I = 0; I < 12; ++I)
    F.toolClick(PickName::Count, Right);
  EXPECT_EQ(F.vars().count().value(), 1);
  EXPECT_EQ(F.E.Labels.count().text(), "1");
  EXPECT_EQ(F.E.SelectedControl, PickName::Dice) << "the right button selects nothing";

  // Upper from max one step back is n, and max takes n's value.
  F.toolClick(PickName::Upper, Right);
  EXPECT_EQ(F.E.Labels.upper().operand(), &F.vars().n());
  EXPECT_EQ(valueOf(F, UserVariable::Max), 27);
  // Lower forward from min: x; r forward from x: y, and back twice: n.
  F.toolClick(PickName::Lower);
  EXPECT_EQ(F.E.SelectedControl, PickName::Lower) << "the left button selects first";
  F.toolClick(PickName::Lower);
  EXPECT_EQ(F.E.Labels.lower().operand(), &F.vars().x());
  F.toolClick(PickName::RandomTarget, Right);
  F.toolClick(PickName::RandomTarget, Right);
  EXPECT_EQ(F.E.Labels.randomTarget().text(), "d");
  F.toolClick(PickName::RandomTarget);
  F.toolClick(PickName::RandomTarget);
  EXPECT_EQ(F.E.Labels.randomTarget().operand(), &F.vars().n());

  // A field constant goes negative, and its Variable follows it.
  F.toolClick(PickName::FieldX, Right);
  F.toolClick(PickName::FieldX, Right);
  EXPECT_EQ(valueOf(F, UserVariable::X), -2);
  EXPECT_EQ(F.E.Labels.row(1).text(), "x=-2");
}

TEST(ToolPanelInput, ValueButtonsInsertForTheSelectedRow) {
  EditorFixture F;
  auto Insert = [&F](PickName Button, int32_t Value) {
    F.vars().x().setValue(Value);
    F.toolClick(Button);
  };
  Insert(PickName::Rel, 3);
  Insert(PickName::Rel, -3);
  Insert(PickName::Rel, 0);
  Insert(PickName::Div, 0);
  Insert(PickName::Div, -2);
  Insert(PickName::Abs, 0);
  Insert(PickName::Mul, 4);
  Insert(PickName::Rel, INT32_MIN);
  EXPECT_EQ(F.sentences(), "Addiere 3 zu x\nSubtrahiere 3 von x\nDividiere x durch -2\n"
                           "Gib x den Wert 0\nMultipliziere x mit 4\nAddiere -2147483648 zu x\n");
  // Row 9 is max and row 10 min, whatever order the run snapshot keeps.
  F.E.SelectedFieldRow = 10;
  F.vars().min().setValue(7);
  F.toolClick(PickName::Abs, Right);
  EXPECT_EQ(F.currentText(), "Gib min den Wert 7");
}

TEST(ToolPanelInput, DiceAndRepeatInsertOnTheirSecondClick) {
  EditorFixture F;
  F.toolClick(PickName::Dice);
  EXPECT_EQ(F.sentences(), "Zufallswert fuer x zwischen max und min\n") << "selected from start";
  F.toolClick(PickName::Repeat);
  EXPECT_EQ(F.E.SelectedControl, PickName::Repeat);
  F.toolClick(PickName::Repeat);
  F.toolClick(PickName::Square);
  EXPECT_EQ(F.sentences(), "Zufallswert fuer x zwischen max und min\nWiederhole 10 mal:\n"
                           "Zeichne Quadrat\nWiederhole bis hier.\n")
      << "the next command lands inside the new block";
}

TEST(ToolPanelInput, AnOpenCommandFollowsItsLabels) {
  EditorFixture F;
  F.algorithm().appendArithmetic(&F.vars().x(), ArithmeticOp::Give, 5);
  F.algorithm().appendRepeatStart(4);
  F.algorithm().appendRandom(&F.vars().x(), &F.vars().max(), &F.vars().min());
  F.algorithm().appendRepeatEnd();
  F.E.CommandEditing = true;

  F.algorithm().select(1);
  F.E.Labels.row(1).setConstantOperand(5);
  F.toolClick(PickName::FieldX);
  EXPECT_EQ(F.currentText(), "Gib x den Wert 6");
  F.toolClick(PickName::FieldY); // selects row 2
  F.toolClick(PickName::FieldY);
  EXPECT_EQ(F.currentText(), "Gib x den Wert 6") << "another row leaves it alone";

  F.algorithm().select(2);
  F.toolClick(PickName::Count, Right);
  EXPECT_EQ(F.sentences(), "Gib x den Wert 6\nWiederhole 9 mal:\n"
                           "Zufallswert fuer x zwischen max und min\nWiederhole bis hier.\n");
  EXPECT_EQ(F.algorithm().lookup(4)->value(), 9) << "the end takes the new count";

  F.algorithm().select(3);
  F.toolClick(PickName::RandomTarget, Right);
  F.toolClick(PickName::Lower, Right);
  EXPECT_EQ(F.currentText(), "Zufallswert fuer n zwischen max und max");
}

TEST(ToolPanelInput, RestartEmptiesQuitEnds) {
  EditorFixture F;
  F.algorithm().appendRepeatStart(3); // a start without an end, as a file can hold
  F.algorithm().appendDraw(1);
  F.S.drawing().addSquare(0, 0, 0, 0, 1, 1, 0);
  F.vars().x().setValue(9);
  F.E.CommandEditing = true;
  F.E.ListingTop = 2;
  F.toolClick(PickName::Restart, Right);
  EXPECT_EQ(F.algorithm().commandCount(), 0);
  EXPECT_EQ(F.E.ListingTop, 1) << "an empty listing starts at its top";
  EXPECT_EQ(F.S.drawing().count(), 0);
  EXPECT_EQ(F.E.Labels.row(1).text(), "x=0");
  EXPECT_TRUE(F.E.CommandEditing) << "only the left restart closes editing";
  F.toolClick(PickName::Restart);
  EXPECT_FALSE(F.E.CommandEditing);
  F.toolClick(PickName::Square);
  EXPECT_EQ(F.algorithm().lookup(1)->text(), "Zeichne Quadrat") << "numbering starts anew";

  F.toolClick(PickName::Quit, Right);
  EXPECT_EQ(F.W.Exits, std::vector<int>{0});
  EXPECT_EQ(F.algorithm().commandCount(), 1) << "the right quit ends at once";
  F.toolClick(PickName::Quit);
  EXPECT_EQ(F.W.Exits, (std::vector<int>{0, 0}));
  EXPECT_EQ(F.algorithm().commandCount(), 0);
}

TEST(MouseInput, EveryButtonEventShowsTheGridHidesTheMessageAndStopsARun) {
  EditorFixture F;
  F.toolPress(pickValue(PickName::Print));
  EXPECT_EQ(F.E.Popup.text(), "Drucken ohne kelbrano nicht m\xF6glich");
  EXPECT_TRUE(F.E.Popup.Visible);
  EXPECT_EQ(F.W.Draws, 1) << "drawn at once";
  F.E.GridVisible = false;
  const int Redisplays = F.W.Redisplays;
  F.mouse(MouseButton::Middle, ButtonState::Up, EditorFixture::ListingX);
  EXPECT_FALSE(F.E.Popup.Visible);
  EXPECT_TRUE(F.E.GridVisible);
  EXPECT_GT(F.W.Redisplays, Redisplays) << "even a button that does nothing shows it";

  F.algorithm().appendArithmetic(&F.vars().x(), ArithmeticOp::Add, 5);
  F.algorithm().appendRepeatStart(1000);
  F.algorithm().appendRepeatEnd();
  F.toolClick(PickName::Go);
  EXPECT_TRUE(F.W.IdleStepping);
  F.Ed.idleStep();
  EXPECT_EQ(F.vars().x().value(), 5);
  F.mouse(Right, ButtonState::Down, EditorFixture::CanvasX);
  EXPECT_FALSE(F.S.run().active());
  EXPECT_FALSE(F.W.IdleStepping);
  EXPECT_EQ(F.vars().x().value(), 0) << "the values from before the run";
}

TEST(MouseInput, ThePressThatClosesTheFileListIsOneNotOnAnEntry) {
  EditorFixture F;
  F.E.FileListVisible = true;
  F.P.ToolPanel = pickValue(PickName::FirstFileEntry) + 2;
  F.mouse(Left, ButtonState::Down, EditorFixture::CanvasX);
  EXPECT_TRUE(F.E.FileListVisible) << "the pick is made wherever the press is";
  F.mouse(Left, ButtonState::Up, EditorFixture::CanvasX);
  F.P.ToolPanel = pickValue(PickName::Go);
  F.mouse(Left, ButtonState::Down, EditorFixture::CanvasX);
  EXPECT_FALSE(F.E.FileListVisible);
}

namespace {

/// What the learner finds after a left click at pixel column \p Column of a
/// screen \p Width x \p Height, with the selected square tool under the
/// pointer in the tool panel, the pen marker on the canvas and the first
/// line in the listing: the panel that took the click.
std::string panelClicked(int Width, int Height, int Column) {
  EditorFixture F;
  F.E.Screen = {Width, Height};
  F.algorithm().appendDraw(2);
  F.algorithm().appendDraw(2);
  F.P.ToolPanel = pickValue(PickName::Square);
  F.P.Canvas = pickValue(PickName::PenMarker);
  F.P.Listing = 1;
  F.mouse(Left, ButtonState::Down, Column);
  F.mouse(Left, ButtonState::Up, Column);
  if (F.E.Mode == InteractionMode::PenMenuOpen)
    return "canvas";
  if (F.currentText() == "Zeichne Quadrat")
    return "tool panel";
  if (F.algorithm().currentNumber() == 1)
    return "listing";
  return "nothing";
}

} // namespace

// The canvas takes the middle half of the screen, both its border columns
// included, whatever the resolution.
TEST(MouseInput, TheCanvasBeginsAndEndsAtItsBorderColumns) {
  EXPECT_EQ(panelClicked(1024, 768, 255), "tool panel");
  EXPECT_EQ(panelClicked(1024, 768, 256), "canvas");
  EXPECT_EQ(panelClicked(1024, 768, 768), "canvas");
  EXPECT_EQ(panelClicked(1024, 768, 769), "listing");
  EXPECT_EQ(panelClicked(1280, 1024, 319), "tool panel");
  EXPECT_EQ(panelClicked(1280, 1024, 320), "canvas");
  EXPECT_EQ(panelClicked(1280, 1024, 960), "canvas");
  EXPECT_EQ(panelClicked(1280, 1024, 961), "listing");
}
