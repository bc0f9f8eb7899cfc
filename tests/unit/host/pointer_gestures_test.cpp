// Fingers and pens as a learner uses them, against the mouse: each gesture
// must leave the laboratory exactly as the mouse action it stands for, so
// most checks run the same action twice, once with the mouse through the
// host and once through the gestures, and compare what the learner sees.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editor/canvas_edit_mode.h"
#include "host/pointer_gestures.h"
#include "lab_fixture.h"
#include "screen/screen_layout.h"

namespace {

/// The gesture timers on the fixture's clock: armed ones fire when the
/// learner waits long enough.
struct GestureClock final : GestureTimers {
  std::vector<std::pair<long, unsigned>> Armed;
  long Now = 0;
  void armGestureTimer(int Milliseconds, unsigned Generation) override {
    Armed.push_back({Now + Milliseconds, Generation});
  }
};

struct Hands {
  LabFixture F;
  GestureClock Clock;
  PointerGestures Gestures{F.Lab, Clock};

  void raw(int Id, PointerKind Kind, PointerAction Action, int Buttons, PixelPoint At) {
    Gestures.pointer({Id, Kind, Action, Buttons, At.X, At.Y});
  }
  void touch(int Id, PointerAction Action, PixelPoint At) {
    raw(Id, PointerKind::Touch, Action, Action == PointerAction::Up ? 0 : PrimaryBit, At);
  }
  void tap(PixelPoint At) {
    touch(1, PointerAction::Down, At);
    touch(1, PointerAction::Up, At);
  }
  /// Time passes: the gesture timers and the host's fire in turn.
  void wait(long Milliseconds) {
    const long Until = Clock.Now + Milliseconds;
    for (;;) {
      long Due = Until + 1;
      for (const auto &Armed : Clock.Armed)
        if (Armed.first > Clock.Now && Armed.first < Due)
          Due = Armed.first;
      if (Due > Until)
        break;
      F.wait(Due - Clock.Now);
      Clock.Now = Due;
      for (const auto &[When, Generation] : std::vector<std::pair<long, unsigned>>(Clock.Armed))
        if (When == Due)
          Gestures.timer(Generation);
    }
    F.wait(Until - Clock.Now);
    Clock.Now = Until;
  }
  PixelPoint at(const PickResult &Wanted) { return F.pixelOf(Wanted); }
  PixelPoint tool(PickName Name) { return at(PickResult::named(Panel::Tool, Name)); }
};

} // namespace

TEST(PointerGestures, ATapIsTheLeftClickAndTwoFingersTheRightOne) {
  LabFixture Mouse;
  Mouse.clickTool(PickName::Circle);
  Mouse.clickTool(PickName::Circle);
  Mouse.clickTool(PickName::FieldX, MouseButton::Right);

  Hands Finger;
  Finger.tap(Finger.tool(PickName::Circle));
  Finger.tap(Finger.tool(PickName::Circle));
  const PixelPoint OnX = Finger.tool(PickName::FieldX);
  Finger.touch(1, PointerAction::Down, OnX);
  Finger.touch(2, PointerAction::Down, {OnX.X + 40, OnX.Y + 30});
  Finger.touch(2, PointerAction::Up, {OnX.X + 40, OnX.Y + 30});
  Finger.touch(1, PointerAction::Up, OnX);

  EXPECT_EQ(Finger.F.sentences(), Mouse.sentences());
  EXPECT_EQ(Finger.F.Lab.session().variables().x().value(),
            Mouse.Lab.session().variables().x().value());
  EXPECT_NE(Mouse.Lab.session().variables().x().value(), 0) << "the right click did something";
}

// Held still, a finger is the held left button once the window for a second
// finger has passed: it counts on the same delays as the mouse, which
// started ChordWindowMs earlier. Two fingers held count down alike.
TEST(PointerGestures, HeldFingersRepeatLikeHeldButtons) {
  for (const bool TwoFingers : {false, true}) {
    const MouseButton Button = TwoFingers ? MouseButton::Right : MouseButton::Left;
    LabFixture Mouse;
    const PixelPoint MouseOnX = Mouse.pixelOf(PickResult::named(Panel::Tool, PickName::FieldX));
    Mouse.press(MouseOnX, Button);
    // Two fingers press at once; one waits for a possible second.
    Mouse.wait(TwoFingers ? 2000 : 2000 - ChordWindowMs);
    Mouse.release(MouseOnX, Button);

    Hands Finger;
    const PixelPoint OnX = Finger.tool(PickName::FieldX);
    Finger.touch(1, PointerAction::Down, OnX);
    if (TwoFingers)
      Finger.touch(2, PointerAction::Down, {OnX.X + 30, OnX.Y});
    Finger.wait(2000);
    Finger.touch(1, PointerAction::Up, OnX);
    if (TwoFingers)
      Finger.touch(2, PointerAction::Up, {OnX.X + 30, OnX.Y});

    const int32_t Counted = Mouse.Lab.session().variables().x().value();
    EXPECT_EQ(Finger.F.Lab.session().variables().x().value(), Counted) << TwoFingers;
    EXPECT_GT(TwoFingers ? -Counted : Counted, 10) << "it repeated";
  }
}

// A finger that moves drags the line it first touched, as a mouse press
// there and a drag would; one dragged out of the listing is deleted.
TEST(PointerGestures, AMovedFingerDragsAListingLine) {
  LabFixture Mouse;
  const PixelPoint Second = Mouse.pixelOf(PickResult::listingLine(2));
  const PixelPoint Fifth = Mouse.pixelOf(PickResult::listingLine(5));
  Mouse.press(Second);
  (void)Mouse.Lab.pointerMotion({Fifth.X, Fifth.Y}, true);
  Mouse.release(Fifth);
  const PixelPoint Outside = {Mouse.Lab.layout().panel(Panel::Canvas).X + 50, Fifth.Y};
  Mouse.press(Mouse.pixelOf(PickResult::listingLine(3)));
  (void)Mouse.Lab.pointerMotion({Outside.X, Outside.Y}, true);
  Mouse.release(Outside);

  Hands Finger;
  Finger.touch(1, PointerAction::Down, Second);
  Finger.touch(1, PointerAction::Move, {Second.X, Second.Y + 4});
  Finger.touch(1, PointerAction::Move, Fifth);
  Finger.touch(1, PointerAction::Up, Fifth);
  Finger.touch(1, PointerAction::Down, Finger.at(PickResult::listingLine(3)));
  Finger.touch(1, PointerAction::Move, Outside);
  Finger.touch(1, PointerAction::Up, Outside);

  EXPECT_EQ(Finger.F.sentences(), Mouse.sentences());
  EXPECT_NE(Mouse.sentences(), LabFixture().sentences()) << "the drags changed the listing";
}

// In an edit mode the pen follows the finger while it is down and the lift
// commits, as the mouse's passive motion and its next click do.
TEST(PointerGestures, TheFingerMovesThePenInAnEditModeAndTheLiftCommits) {
  LabFixture Mouse;
  const PanelRect Canvas = Mouse.Lab.layout().panel(Panel::Canvas);
  const PixelPoint Target{Canvas.X + 200, 300};
  Mouse.click(Mouse.pixelOf(PickResult::named(Panel::Canvas, PickName::PenMarker)));
  Mouse.click(Mouse.pixelOf(PickResult::named(Panel::Canvas, PickName::XyRel)));
  (void)Mouse.Lab.pointerMotion({Target.X, Target.Y}, false);
  Mouse.click(Target);

  Hands Finger;
  Finger.tap(Finger.at(PickResult::named(Panel::Canvas, PickName::PenMarker)));
  const PixelPoint Menu = Finger.at(PickResult::named(Panel::Canvas, PickName::XyRel));
  Finger.tap(Menu);
  ASSERT_TRUE(isCanvasEditMode(Finger.F.Lab.state().Mode)) << "a tap on the menu starts the mode";
  Finger.touch(1, PointerAction::Down, Menu);
  Finger.touch(1, PointerAction::Move, {Target.X - 30, Target.Y});
  EXPECT_TRUE(isCanvasEditMode(Finger.F.Lab.state().Mode)) << "nothing commits while it moves";
  Finger.touch(1, PointerAction::Move, Target);
  Finger.touch(1, PointerAction::Up, Target);

  EXPECT_FALSE(isCanvasEditMode(Finger.F.Lab.state().Mode));
  EXPECT_EQ(Finger.F.sentences(), Mouse.sentences());
  EXPECT_NE(Mouse.sentences(), LabFixture().sentences()) << "the commit inserted commands";
}

// A finger kept on the menu Button and dragged from there moves the pen at
// once; the lift commits.
TEST(PointerGestures, AFingerDraggedFromTheMenuButtonMovesThePenAtOnce) {
  Hands Finger;
  Finger.tap(Finger.at(PickResult::named(Panel::Canvas, PickName::PenMarker)));
  const PixelPoint Menu = Finger.at(PickResult::named(Panel::Canvas, PickName::XyAbs));
  Finger.touch(1, PointerAction::Down, Menu);
  Finger.wait(ChordWindowMs + 10);
  ASSERT_TRUE(isCanvasEditMode(Finger.F.Lab.state().Mode));
  const PanelRect Canvas = Finger.F.Lab.layout().panel(Panel::Canvas);
  Finger.touch(1, PointerAction::Move, {Canvas.X + 300, 400});
  Finger.touch(1, PointerAction::Up, {Canvas.X + 300, 400});
  EXPECT_FALSE(isCanvasEditMode(Finger.F.Lab.state().Mode));
  EXPECT_NE(Finger.F.sentences(), LabFixture().sentences());
}

// The mouse through the gestures is the mouse: a second button pressed
// while the first is held is pressed too, and buttons held when the
// pointer came from outside the program press nothing.
TEST(PointerGestures, TheMouseKeepsItsRules) {
  Hands Mouse;
  const PixelPoint OnX = Mouse.tool(PickName::FieldX);
  Mouse.raw(1, PointerKind::Mouse, PointerAction::Move, PrimaryBit, OnX);
  Mouse.raw(1, PointerKind::Mouse, PointerAction::Up, 0, OnX);
  EXPECT_EQ(Mouse.F.Lab.session().variables().x().value(), 0) << "pressed outside";
  Mouse.raw(1, PointerKind::Mouse, PointerAction::Down, PrimaryBit, OnX);
  Mouse.raw(1, PointerKind::Mouse, PointerAction::Move, PrimaryBit | SecondaryBit, OnX);
  Mouse.raw(1, PointerKind::Mouse, PointerAction::Up, 0, OnX);
  LabFixture Direct;
  const PixelPoint DirectOnX = Direct.pixelOf(PickResult::named(Panel::Tool, PickName::FieldX));
  Direct.press(DirectOnX);
  Direct.press(DirectOnX, MouseButton::Right);
  Direct.release(DirectOnX);
  Direct.release(DirectOnX, MouseButton::Right);
  EXPECT_EQ(Mouse.F.Lab.session().variables().x().value(),
            Direct.Lab.session().variables().x().value());
  EXPECT_TRUE(Mouse.Clock.Armed.empty()) << "the mouse never waits for a second finger";
}

// A finger's box grows only where the mouse's finds nothing: beside the go
// Button it still starts the run, and on a Label among close neighbours it
// picks the one under it.
TEST(PointerGestures, TheFingersBoxGrowsOnlyWhereTheMouseFindsNothing) {
  Hands Finger;
  const PixelPoint OnY = Finger.tool(PickName::FieldY);
  // The first tap chooses the row, the second steps its value.
  Finger.tap(OnY);
  Finger.tap(OnY);
  EXPECT_EQ(Finger.F.Lab.session().variables().y().value(), 1);
  EXPECT_EQ(Finger.F.Lab.session().variables().x().value(), 0) << "not the Label above";

  const PixelPoint Go = Finger.tool(PickName::Go);
  const LayoutRect Place = findToolPlace(PickName::Go)->Place;
  const PixelPoint Beside{Place.X + Place.Width + Finger.Gestures.fingerBoxSide() / 2 - 2, Go.Y};
  LabFixture Mouse;
  Mouse.click(Beside);
  ASSERT_FALSE(Mouse.Lab.idleStepping()) << "the mouse misses it";
  Finger.tap(Beside);
  EXPECT_TRUE(Finger.F.Lab.idleStepping());
}
