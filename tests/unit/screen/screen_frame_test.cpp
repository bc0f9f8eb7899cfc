// The frame's description read as a learner sees the screen: what a choice,
// a long algorithm, a message or the pen menu changes in the next frame,
// without a graphics context.
#include <gtest/gtest.h>

#include <vector>

#include "editor/listing_scroll.h"
#include "editor_fixture.h"
#include "screen/screen_frame.h"
#include "screen/screen_layout.h"

namespace {

/// A primitive command with the panel it is drawn in.
struct Drawn {
  Panel View;
  const DrawCommand *Command;
};

std::vector<Drawn> primitivesOf(const DrawList &Frame) {
  std::vector<Drawn> Result;
  Panel View = Panel::Canvas;
  for (const DrawCommand &Command : Frame.Commands) {
    if (Command.Kind == DrawCommandKind::PanelView)
      View = Command.View;
    if (Command.Kind == DrawCommandKind::Primitives)
      Result.push_back({View, &Command});
  }
  return Result;
}

std::vector<Panel> panelsOf(const DrawList &Frame) {
  std::vector<Panel> Result;
  for (const DrawCommand &Command : Frame.Commands)
    if (Command.Kind == DrawCommandKind::PanelView)
      Result.push_back(Command.View);
  return Result;
}

bool isIcon(const Drawn &Item, PickName Icon) {
  return Item.Command->Texture == TextureRef{TextureKind::Icon, Icon};
}

/// Index of the first item for which \p Test holds, or -1.
template <typename TestFn> int find(const std::vector<Drawn> &Items, TestFn &&Test) {
  for (size_t I = 0; I < Items.size(); ++I)
    if (Test(Items[I]))
      return static_cast<int>(I);
  return -1;
}

/// The listing's sentences: its atlas texts, in drawing order.
std::vector<const DrawCommand *> sentencesOf(const DrawList &Frame) {
  std::vector<const DrawCommand *> Result;
  for (const Drawn &Item : primitivesOf(Frame))
    if (Item.View == Panel::Listing && Item.Command->Texture.Kind == TextureKind::Atlas)
      Result.push_back(Item.Command);
  return Result;
}

DrawList frameOf(EditorFixture &F) {
  keepCurrentVisible(F.State.Listing, F.algorithm());
  DrawList Frame;
  buildFrame(Frame, F.Work, F.State);
  return Frame;
}

} // namespace

TEST(ScreenFrame, AChosenToolIsHighlightedUnderItsIconAndItsCommandListed) {
  EditorFixture F;
  DrawList Frame = frameOf(F);
  ASSERT_EQ(Frame.Commands.front().Kind, DrawCommandKind::PanelView);
  EXPECT_EQ(Frame.Commands[1].Kind, DrawCommandKind::Clear) << "the screen is cleared first";
  EXPECT_EQ(panelsOf(Frame), (std::vector<Panel>{Panel::Canvas, Panel::Tool, Panel::Listing}));
  const size_t ExampleLines = sentencesOf(Frame).size();

  F.toolClick(PickName::Circle);
  F.toolClick(PickName::Circle);
  Frame = frameOf(F);
  const std::vector<Drawn> Items = primitivesOf(Frame);
  const int Circle = find(Items, [](const Drawn &I) { return isIcon(I, PickName::Circle); });
  // The highlight: a polygon shaded from grey to white over the circle's place.
  const int Highlight = find(Items, [&](const Drawn &I) {
    const DrawVertex *V = Frame.verticesOf(*I.Command);
    return I.View == Panel::Tool && I.Command->Shape == Primitive::Polygon &&
           I.Command->VertexCount == 4 && V[0].Tint.Red == 0.5f && V[2].Tint.Red == 1.0f;
  });
  ASSERT_GE(Highlight, 0);
  ASSERT_GE(Circle, 0);
  EXPECT_LT(Highlight, Circle) << "the icon lies over its highlight";
  const DrawVertex *Corner = Frame.verticesOf(*Items[static_cast<size_t>(Highlight)].Command);
  const LayoutRect &Place = findToolPlace(PickName::Circle)->Place;
  EXPECT_EQ(Corner[0].X, static_cast<float>(Place.X));
  EXPECT_EQ(Corner[0].Y, static_cast<float>(Place.Y));
  EXPECT_EQ(sentencesOf(Frame).size(), ExampleLines + 1) << "Zeichne Kreis is listed";
}

TEST(ScreenFrame, ALongListingShowsSixtyLinesWithTheCurrentOneHighlighted) {
  EditorFixture F;
  F.toolClick(PickName::Restart); // a new, empty algorithm
  Algorithm &A = F.algorithm();
  for (int I = 0; I < 200; ++I)
    A.appendArithmetic(&F.vars().x(), ArithmeticOp::Give, I);
  A.rewind();
  for (int I = 1; I < 130; ++I)
    A.moveNext();
  DrawList Frame = frameOf(F);
  const std::vector<const DrawCommand *> Sentences = sentencesOf(Frame);
  ASSERT_EQ(Sentences.size(), static_cast<size_t>(ListingVisibleLines));
  // Line 130 is visible; the first row shows line ListingTop.
  ASSERT_LE(F.State.Listing.Top, 130);
  ASSERT_GT(F.State.Listing.Top + ListingVisibleLines, 130);
  EXPECT_EQ(Sentences.front()->Matrix.TranslateY, ListingLineTop);
  const int Row = 130 - F.State.Listing.Top;
  const int Highlight = find(primitivesOf(Frame), [&](const Drawn &I) {
    return I.View == Panel::Listing && Frame.verticesOf(*I.Command)[0].Tint.Red == 0.75f;
  });
  ASSERT_GE(Highlight, 0);
  const DrawVertex *Bar =
      Frame.verticesOf(*primitivesOf(Frame)[static_cast<size_t>(Highlight)].Command);
  EXPECT_EQ(Bar[0].Y, listingRowTop(Row));
  EXPECT_EQ(Sentences[static_cast<size_t>(Row)]->Matrix.TranslateY, listingRowTop(Row));
}

TEST(ScreenFrame, ThePenMarkerFollowsTheVariablesInBlack) {
  EditorFixture F;
  VariableSet &Vars = F.vars();
  Vars.x().setValue(3);
  Vars.y().setValue(4);
  Vars.h().setValue(5);
  Vars.v().setValue(-5);
  Vars.d().setValue(30);
  Vars.dx().setValue(2);
  Vars.dy().setValue(3);
  DrawList Frame = frameOf(F);
  const std::vector<Drawn> Items = primitivesOf(Frame);
  const int Marker = find(
      Items, [&](const Drawn &I) { return I.View == Panel::Canvas && I.Command->Matrix.Turned; });
  ASSERT_GE(Marker, 0);
  const DrawCommand &Frame0 = *Items[static_cast<size_t>(Marker)].Command;
  // Column 3 and row 4 of 20-unit cells, plus the offsets, at the cell's centre.
  EXPECT_EQ(Frame0.Matrix.TranslateX, 3 * 20 + 5 + 10);
  EXPECT_EQ(Frame0.Matrix.TranslateY, 4 * 20 - 5 + 10);
  EXPECT_EQ(Frame0.Matrix.Rotation, 30);
  EXPECT_EQ(Frame0.Matrix.ScaleX, 40);
  EXPECT_EQ(Frame0.Matrix.ScaleY, 60);
  EXPECT_EQ(Frame0.Shape, Primitive::LineLoop);
  EXPECT_EQ(Frame.verticesOf(Frame0)[0].Tint, (Colour{0, 0, 0, 1}));
}

TEST(ScreenFrame, MessageAndPenMenuLieOverTheCanvasButNotInTheSavedPicture) {
  EditorFixture F;
  F.canvasClick(PickName::PenMarker);
  F.showMessage("Zuviele Befehle");
  DrawList Frame = frameOf(F);
  const std::vector<Drawn> Items = primitivesOf(Frame);
  int MenuIcons = 0;
  for (PickName Item : PenMenuOrder)
    MenuIcons += find(Items, [&](const Drawn &I) {
                   return I.View == Panel::Canvas && isIcon(I, Item);
                 }) >= 0;
  EXPECT_EQ(MenuIcons, PenMenuSize);
  const int Text = find(Items, [](const Drawn &I) {
    return I.View == Panel::Canvas && I.Command->Texture.Kind == TextureKind::Atlas;
  });
  ASSERT_GE(Text, 0) << "the message's text";
  EXPECT_EQ(Items[static_cast<size_t>(Text)].Command->VertexCount, 4u * 15) << "a quad a character";

  DrawList Picture;
  buildCanvasPicture(Picture, F.Work, F.State, true);
  for (const Drawn &Item : primitivesOf(Picture))
    EXPECT_EQ(Item.Command->Texture.Kind, TextureKind::None) << "no icons and no text";
  EXPECT_EQ(panelsOf(Picture), std::vector<Panel>{Panel::Canvas});
}
