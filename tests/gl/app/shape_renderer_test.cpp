// Shape rendering in a real GL context: placement on the grid, size, rotation
// and mirroring checked by pixels; figure structure (vertex counts, Bezier
// arcs, the soft polyline's closing edge) checked through GL feedback; the
// matrix stack left as it was; and the pen marker's bounds around its lines.
#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

#include "app/canvas_view.h"
#include "app/gl_frame_renderer.h"
#include "app/shape_renderer.h"
#include "editor/editor_state.h"
#include "exec/pen_templates.h"
#include "exec/random.h"
#include "exec/session.h"
#include "exec/shape.h"
#include "exec/shape_creation.h"
#include "gl_test_support.h"
#include "model/variable.h"
#include "screen/canvas_frame.h"

namespace {

constexpr int CanvasLeft = 256; // the canvas starts a quarter into the 1024-pixel window

class ShapeRendering : public testing::Test {
protected:
  void SetUp() override {
    clearToWhite();
    setCanvasView(Screen);
    // Exact pixels: no smoothing, no blending.
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
    glColor3f(0, 0, 0);
  }
  DarkBox canvasInk() { return darkBoundingBox(CanvasLeft - 4, 0, 520, 768); }
  void restart() {
    clearToWhite();
    setCanvasView(Screen);
  }
  const WindowLayout Screen{ScreenSize{GlTestWindowWidth, GlTestWindowHeight}};
};

std::unique_ptr<Shape> makeShape(ShapeKind Kind, int Column, int Row, int Width, int Height,
                                 int Rotation = 0) {
  ShapePlacement Place;
  Place.Column = Column;
  Place.Row = Row;
  Place.Width = Width;
  Place.Height = Height;
  Place.Rotation = Rotation;
  return std::make_unique<Shape>(Kind, Place);
}

bool inkNear(int X, int Y) { return darkBoundingBox(X - 2, Y - 2, 5, 5).Found; }

std::vector<std::array<float, 2>> feedbackOf(const Shape &S) {
  return feedbackLineVertices([&] { drawShape(S); });
}

/// The pen marker as a frame describes it, drawn in the canvas view.
void drawPenMarker(const VariableSet &Vars, const PenTemplates &Templates, int Tool) {
  DrawList Marker;
  DrawListBuilder Builder(Marker);
  appendPenMarker(Builder, Vars, Templates, Tool);
  drawPrimitives(Marker);
}

} // namespace

TEST_F(ShapeRendering, UnitSquareCoversTheTopLeftGridCell) {
  drawShape(*makeShape(ShapeKind::Square, 0, 0, 1, 1));
  DarkBox Box = canvasInk();
  ASSERT_TRUE(Box.Found);
  EXPECT_NEAR(Box.Left, CanvasLeft, 1);
  EXPECT_NEAR(Box.Right, CanvasLeft + 20, 1);
  EXPECT_NEAR(Box.Top, 0, 1);
  EXPECT_NEAR(Box.Bottom, 20, 1);
}

TEST_F(ShapeRendering, WidthAndPositionScaleByTheGridCell) {
  drawShape(*makeShape(ShapeKind::Square, 2, 5, 3, 1));
  DarkBox Box = canvasInk();
  ASSERT_TRUE(Box.Found);
  EXPECT_NEAR(Box.Left, CanvasLeft + 40 - 20, 1) << "a width of 3 grows both ways from the centre";
  EXPECT_NEAR(Box.Right - Box.Left, 60, 1);
  EXPECT_NEAR(Box.Bottom - Box.Top, 20, 1);
  EXPECT_NEAR(Box.Top, 100, 1);
}

TEST_F(ShapeRendering, RotatedRasterLineTurnsAboutItsCentre) {
  std::unique_ptr<Shape> Line = makeShape(ShapeKind::RasterLine, 5, 5, 1, 1);
  Line->orientation = 1; // horizontal
  drawShape(*Line);
  DarkBox Flat = canvasInk();
  restart();
  Line->rotation = 90;
  drawShape(*Line);
  DarkBox Turned = canvasInk();
  ASSERT_TRUE(Flat.Found && Turned.Found);
  EXPECT_LE(Flat.Bottom - Flat.Top, 1);
  EXPECT_NEAR(Flat.Right - Flat.Left, 20, 1);
  EXPECT_LE(Turned.Right - Turned.Left, 1);
  EXPECT_NEAR(Turned.Bottom - Turned.Top, 20, 1);
  EXPECT_NEAR((Turned.Left + Turned.Right) / 2.0, CanvasLeft + 110, 1);
  EXPECT_NEAR((Turned.Top + Turned.Bottom) / 2.0, 110, 1);
}

TEST_F(ShapeRendering, NegativeWidthMirrorsAndZeroWidthCollapses) {
  // A free line with orientation 0 joins the left edge at y = -0.4 to the
  // right edge at y = 0.4: it falls to the right. Mirrored, it falls to the left.
  std::unique_ptr<Shape> Line = makeShape(ShapeKind::FreeLine, 10, 10, 4, 4);
  Line->orientation = 0;
  float Ends[4] = {0.0f, -0.4f, 0.0f, 0.4f};
  std::copy(Ends, Ends + 4, Line->lineEnds);
  drawShape(*Line);
  // Centre (210, 210), the line from (170, 178) to (250, 242).
  EXPECT_TRUE(inkNear(CanvasLeft + 172, 180));
  EXPECT_FALSE(inkNear(CanvasLeft + 248, 180));
  restart();
  Line->width = -4;
  drawShape(*Line);
  EXPECT_FALSE(inkNear(CanvasLeft + 172, 180));
  EXPECT_TRUE(inkNear(CanvasLeft + 248, 180));
  restart();
  std::unique_ptr<Shape> Square = makeShape(ShapeKind::Square, 3, 3, 0, 2);
  drawShape(*Square);
  DarkBox Box = canvasInk();
  ASSERT_TRUE(Box.Found);
  EXPECT_LE(Box.Right - Box.Left, 1) << "width 0 collapses the square to a line";
}

TEST_F(ShapeRendering, FilledKindsLeaveNoTraceAndTheStackIsUnchanged) {
  GLint DepthBefore = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &DepthBefore);
  for (ShapeKind Kind : {ShapeKind::FilledSquare, ShapeKind::FilledCircle, ShapeKind::FilledBlob,
                         ShapeKind(0), ShapeKind(13)})
    drawShape(*makeShape(Kind, 1, 1, 2, 2));
  EXPECT_FALSE(canvasInk().Found);
  // Every kind, with real geometry from the generator, many times over.
  RandomGenerator Random(5);
  PenTemplates Templates;
  for (int Round = 0; Round < 30; ++Round) {
    for (ShapeKind Kind :
         {ShapeKind::Square, ShapeKind::Circle, ShapeKind::Blob, ShapeKind::RasterLine,
          ShapeKind::FreeLine, ShapeKind::SoftLine, ShapeKind::RasterPolyline,
          ShapeKind::FreePolyline, ShapeKind::SoftPolyline, ShapeKind::FilledBlob}) {
      fillShapeTemplate(Templates, Kind, 27, Random);
      std::unique_ptr<Shape> S = makeShape(Kind, Round % 25, Round, 2, 3, Round * 13);
      std::copy(Templates.Points, Templates.Points + 12, S->outline);
      S->takePoints(27, Templates.PolyPoints, Templates.PolyMidpoints);
      drawShape(*S);
    }
  }
  GLint DepthAfter = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &DepthAfter);
  EXPECT_EQ(DepthAfter, DepthBefore);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ShapeRendering, FiguresEmitTheirVertexCounts) {
  // Feedback reports every segment of a loop: a loop of n vertices gives n
  // segments, a strip of n vertices n - 1.
  std::unique_ptr<Shape> Square = makeShape(ShapeKind::Square, 0, 0, 1, 1);
  EXPECT_EQ(feedbackOf(*Square).size(), 2u * 4);
  std::unique_ptr<Shape> Circle = makeShape(ShapeKind::Circle, 5, 5, 2, 2);
  EXPECT_EQ(feedbackOf(*Circle).size(), 2u * 100);
  std::unique_ptr<Shape> Blob = makeShape(ShapeKind::Blob, 5, 5, 2, 2);
  EXPECT_EQ(feedbackOf(*Blob).size(), 2u * 126);
  std::unique_ptr<Shape> Soft = makeShape(ShapeKind::SoftLine, 5, 5, 2, 2);
  EXPECT_EQ(feedbackOf(*Soft).size(), 2u * 83);
  std::unique_ptr<Shape> Raster = makeShape(ShapeKind::RasterLine, 5, 5, 2, 2);
  EXPECT_EQ(feedbackOf(*Raster).size(), 2u);
}

TEST_F(ShapeRendering, SoftPolylineArcsAndItsStraightClosingEdge) {
  Point P[3] = {{-0.4f, -0.4f}, {0.4f, -0.4f}, {0.0f, 0.4f}};
  Point M[3];
  for (int I = 0; I < 3; ++I)
    M[I] = {(P[I].x + P[(I + 1) % 3].x) / 2, (P[I].y + P[(I + 1) % 3].y) / 2};
  std::unique_ptr<Shape> One = makeShape(ShapeKind::SoftPolyline, 5, 5, 10, 10);
  One->takePoints(1, P, M);
  EXPECT_TRUE(feedbackOf(*One).empty()) << "one point: an empty loop";
  std::unique_ptr<Shape> Two = makeShape(ShapeKind::SoftPolyline, 5, 5, 10, 10);
  Two->takePoints(2, P, M);
  EXPECT_EQ(feedbackOf(*Two).size(), 2u * 21) << "one arc of 21 vertices, closed";
  std::unique_ptr<Shape> Three = makeShape(ShapeKind::SoftPolyline, 5, 5, 10, 10);
  Three->takePoints(3, P, M);
  std::vector<std::array<float, 2>> V = feedbackOf(*Three);
  ASSERT_EQ(V.size(), 2u * 42);
  // The loop starts at M[1] and its last segment runs straight from M[0]
  // back to M[1]; in window pixels the box is 200 x 200 around (366, 110).
  auto Window = [](Point Q) {
    return std::array<float, 2>{CanvasLeft + 110 + Q.x * 200, 768 - (110 + Q.y * 200)};
  };
  EXPECT_NEAR(V.front()[0], Window(M[1])[0], 0.01);
  EXPECT_NEAR(V.front()[1], Window(M[1])[1], 0.01);
  EXPECT_NEAR(V[V.size() - 2][0], Window(M[0])[0], 0.01);
  EXPECT_NEAR(V[V.size() - 2][1], Window(M[0])[1], 0.01);
  EXPECT_NEAR(V.back()[0], Window(M[1])[0], 0.01);
}

TEST_F(ShapeRendering, PenMarkerFollowsTheVariables) {
  Session S(1);
  const VariableSet &Vars = S.variables();
  Vars.x().setValue(3);
  Vars.y().setValue(4);
  Vars.h().setValue(5);
  Vars.v().setValue(-5);
  int Tool = pickValue(PickName::Square);
  drawPenMarker(Vars, S.templates(), Tool);
  DarkBox Box = canvasInk();
  ASSERT_TRUE(Box.Found);
  EXPECT_NEAR(Box.Left, CanvasLeft + 65, 1);
  EXPECT_NEAR(Box.Top, 75, 1);
  EXPECT_NEAR(Box.Right - Box.Left, 20, 1);
  restart();
  auto Marker = [&] { drawPenMarker(Vars, S.templates(), Tool); };
  Tool = pickValue(PickName::Circle); // frame plus circle
  EXPECT_EQ(feedbackLineVertices(Marker).size(), 2u * (4 + 100));
  Tool = pickValue(PickName::RasterPolyline);
  Vars.n().setValue(5000); // the marker never reads past the 400-point templates
  EXPECT_EQ(feedbackLineVertices(Marker).size(), 2u * (4 + 400));
}

TEST_F(ShapeRendering, PenMarkerBoundsHoldItsLines) {
  Session S(3);
  VariableSet &Vars = S.variables();
  Vars.n().setValue(9);
  const struct {
    int X, Y, Width, Height, Rotation;
    ShapeKind Tool;
  } Pens[] = {{3, 4, 1, 1, 0, ShapeKind::Square},
              {10, 12, 4, 2, 30, ShapeKind::Circle},
              {6, 20, -3, 5, 200, ShapeKind::SoftPolyline},
              {12, 30, 2, -2, 45, ShapeKind::SoftLine},
              {15, 8, 3, 3, 10, ShapeKind::FreeLine}};
  for (const auto &Pen : Pens) {
    Vars.x().setValue(Pen.X);
    Vars.y().setValue(Pen.Y);
    Vars.dx().setValue(Pen.Width);
    Vars.dy().setValue(Pen.Height);
    Vars.d().setValue(Pen.Rotation);
    fillToolTemplate(S, Pen.Tool);
    const int Tool = static_cast<int>(Pen.Tool);
    restart();
    drawPenMarker(Vars, S.templates(), Tool);
    const DarkBox Ink = canvasInk();
    const CanvasBounds Bounds = penMarkerBounds(Vars, S.templates(), Tool);
    ASSERT_TRUE(Ink.Found);
    ASSERT_FALSE(Bounds.Empty);
    EXPECT_NEAR(Ink.Left - CanvasLeft, Bounds.Left, 1.5) << "tool " << Tool;
    EXPECT_NEAR(Ink.Right - CanvasLeft, Bounds.Right, 1.5) << "tool " << Tool;
    EXPECT_NEAR(Ink.Top, Bounds.Top, 1.5) << "tool " << Tool;
    EXPECT_NEAR(Ink.Bottom, Bounds.Bottom, 1.5) << "tool " << Tool;
  }
}
