// Test helper: a whole laboratory without a window, as a learner uses it.
// A Host on a recording platform, seed 1, 1024 x 768 pixels (one pixel per
// layout unit) and the example algorithm listed; the learner clicks where
// the frame as drawn now shows a thing, holds buttons on the platform's
// clock, and reads the listing's sentences.
#ifndef QUOVADRIN_TESTS_LAB_FIXTURE_H
#define QUOVADRIN_TESTS_LAB_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "host/host.h"
#include "pick_result_print.h"
#include "recording_platform.h"
#include "screen/frame_pick.h"

struct LabFixture {
  RecordingPlatform Platform;
  Host Lab;

  explicit LabFixture(int32_t Seed = 1, ScreenSize Size = ScreenSize())
      : Lab(Seed, Platform, Size) {}

  /// A pixel where a press finds \p Wanted, as the frame is drawn now: the
  /// middle of the place its frame records for it, or else the first pixel
  /// of that place that finds it (a Label's place reaches under the next
  /// row's). Fails the test when there is none.
  PixelPoint pixelOf(const PickResult &Wanted) {
    const DrawList &Frame = Lab.frame();
    const WindowLayout &Layout = Lab.layout();
    const Panel Which = Wanted.panel();
    for (const HitRegion &Region : Frame.Regions) {
      if (Region.View != Which || Region.Name != regionName(Wanted))
        continue;
      const bool Box = Region.Shape == HitShape::UnitBox;
      const float MidX = Box ? Region.Box.Cx : (Region.X0 + Region.X1) / 2;
      const float MidY = Box ? Region.Box.Cy : (Region.Y0 + Region.Y1) / 2;
      const PixelPoint Middle = Layout.toPixel(Which, MidX, MidY);
      if (pickFrame(Frame, Which, Layout, {Middle}) == Wanted)
        return Middle;
      const PixelPoint From =
          Layout.toPixel(Which, std::min(Region.X0, Region.X1), std::min(Region.Y0, Region.Y1));
      const PixelPoint To =
          Layout.toPixel(Which, std::max(Region.X0, Region.X1), std::max(Region.Y0, Region.Y1));
      for (int Y = From.Y; Y <= To.Y; ++Y)
        for (int X = From.X; X <= To.X; ++X)
          if (pickFrame(Frame, Which, Layout, {{X, Y}}) == Wanted)
            return {X, Y};
    }
    ADD_FAILURE() << "nothing on screen picks as " << Wanted.describe();
    return {-1, -1};
  }

  void press(PixelPoint At, MouseButton Button = MouseButton::Left) {
    Lab.pointerButton({Button, ButtonState::Down, At.X, At.Y});
  }
  void release(PixelPoint At, MouseButton Button = MouseButton::Left) {
    Lab.pointerButton({Button, ButtonState::Up, At.X, At.Y});
  }
  void click(PixelPoint At, MouseButton Button = MouseButton::Left) {
    press(At, Button);
    release(At, Button);
  }
  /// A click where the tool panel shows \p Name.
  void clickTool(PickName Name, MouseButton Button = MouseButton::Left) {
    click(pixelOf(PickResult::named(Panel::Tool, Name)), Button);
  }
  /// A click on the listing line of command \p Line.
  void clickLine(int Line, MouseButton Button = MouseButton::Left) {
    click(pixelOf(PickResult::listingLine(Line)), Button);
  }
  /// Time passes with whatever is held: the platform's timers fire.
  void wait(long Milliseconds) {
    Platform.runClockUntil(Platform.Now + Milliseconds,
                           [this](unsigned Generation) { Lab.timer(Generation); });
  }

  /// The sentences of the Algorithm, one per line.
  std::string sentences() {
    std::string Text;
    for (const Command *C = Lab.session().algorithm().head(); C; C = C->next())
      Text += C->text() + "\n";
    return Text;
  }

private:
  /// The name the regions carry for \p Pick.
  static int regionName(const PickResult &Pick) {
    switch (Pick.kind()) {
    case PickKind::Named:
      return pickValue(Pick.name());
    case PickKind::ListingLine:
      return Pick.listingLine();
    case PickKind::FileEntry:
      return pickValue(PickName::FirstFileEntry) + Pick.fileEntry();
    case PickKind::Nothing:
      break;
    }
    return pickValue(PickName::Nothing);
  }
};

#endif
