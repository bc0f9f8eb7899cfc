// The shape layer against drawing every Shape in every frame: the same canvas
// within 2 grey levels for every kind, piled-up lines, the grid on and off, a
// thousand random Shapes, and on the pen marker, wherever it goes and
// whatever is piled on it, the very same pixels; kept up to date as Shapes
// are added, the Drawing is cleared and refilled or the canvas changes size;
// never shown when it lags behind; and leaving the GL state as it found it.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/canvas_pixels.h"
#include "app/canvas_view.h"
#include "app/panel_view.h"
#include "app/shape_layer.h"
#include "app/shape_renderer.h"
#include "editor/editor_state.h"
#include "editor/pick_name.h"
#include "exec/session.h"
#include "gl_app_fixture.h"
#include "gl_test_support.h"
#include "random_shapes.h"

namespace {

/// The canvas as a frame draws it with \p Shapes, read back as RGB rows.
std::vector<unsigned char> canvasThrough(const Session &Work, const EditorState &State,
                                         const ShapeLayer &Shapes, bool GridVisible) {
  clearToWhite();
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  setCanvasView(State.Layout);
  drawCanvasPicture(Work, State, GridVisible, Shapes);
  const PanelRect Canvas = State.Layout.panel(Panel::Canvas);
  std::vector<unsigned char> Rgb(static_cast<size_t>(Canvas.Width) * Canvas.Height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(Canvas.X, Canvas.Y, Canvas.Width, Canvas.Height, GL_RGB, GL_UNSIGNED_BYTE,
               Rgb.data());
  return Rgb;
}

/// How far the canvas through the up-to-date layer strays from the one
/// drawing every Shape: the largest difference of any byte, and of any byte
/// on the pen marker, the pixels its lines reach.
struct Strays {
  int Anywhere = 0;
  int OnMarker = 0;
};

Strays strays(const Session &Work, const EditorState &State, const ShapeLayer &Layer,
              bool GridVisible, int MinInk) {
  EXPECT_TRUE(Layer.current(Work.drawing(), State.Layout)) << "the texture would not be shown";
  const std::vector<unsigned char> Cached = canvasThrough(Work, State, Layer, GridVisible);
  const std::vector<unsigned char> Direct =
      canvasThrough(Work, State, ShapeLayer(nullptr), GridVisible);
  EXPECT_GE(std::count_if(Direct.begin(), Direct.end(), [](unsigned char C) { return C < 200; }),
            MinInk)
      << "too little on the canvas to compare";
  const PanelRect Canvas = State.Layout.panel(Panel::Canvas);
  PixelRect Marker;
  if (GridVisible)
    Marker = pixelsCovering(penMarkerBounds(Work.variables(), Work.templates(),
                                            static_cast<int>(State.Tools.SelectedTool)),
                            Canvas, 1);
  Strays Found;
  for (size_t I = 0; I < Direct.size(); ++I) {
    const int X = static_cast<int>(I / 3) % Canvas.Width;
    const int Y = static_cast<int>(I / 3) / Canvas.Width;
    const int Stray = std::abs(Cached[I] - Direct[I]);
    Found.Anywhere = std::max(Found.Anywhere, Stray);
    if (X >= Marker.Left && X < Marker.Right && Y >= Marker.Bottom && Y < Marker.Top)
      Found.OnMarker = std::max(Found.OnMarker, Stray);
  }
  return Found;
}

/// Within 2 grey levels everywhere; on the pen marker, whatever lies on it,
/// the very pixels of a frame that draws every Shape.
void expectSameCanvas(const Session &Work, const EditorState &State, const ShapeLayer &Layer,
                      bool GridVisible, const std::string &What, int MinInk = 20) {
  const Strays Found = strays(Work, State, Layer, GridVisible, MinInk);
  EXPECT_LE(Found.Anywhere, 2) << What << (GridVisible ? ", grid" : ", plain");
  EXPECT_EQ(Found.OnMarker, 0) << What << ", on the pen marker";
}

class ShapeLayerTest : public testing::Test {
protected:
  void SetUp() override {
    State.Layout = WindowLayout(ScreenSize{GlTestWindowWidth, GlTestWindowHeight});
  }

  std::vector<unsigned char> canvasThrough(const ShapeLayer &Shapes, bool GridVisible) {
    return ::canvasThrough(Work, State, Shapes, GridVisible);
  }
  /// Brings the layer up to date, then compares with and without the grid.
  void expectSamePictures(const std::string &What, int MinInk = 20) {
    Layer.sync(Work.drawing(), State.Layout);
    for (bool Grid : {true, false})
      expectSameCanvas(Work, State, Layer, Grid, What, MinInk);
  }

  Session Work{7};
  EditorState State{Work.variables()};
  ShapeLayer Layer{glutGetProcAddress};
  ShapeLayer EveryShape{nullptr};
};

} // namespace

TEST_F(ShapeLayerTest, EveryKindLooksAsWhenDrawnOneByOne) {
  Point Outline[12], Points[3] = {{-0.4f, -0.4f}, {0.4f, -0.1f}, {0, 0.4f}};
  for (int I = 0; I < 12; ++I)
    Outline[I] = {0.45f * (I % 3 - 1), 0.45f * ((I / 3) % 3 - 1)};
  Drawing &D = Work.drawing();
  D.addSquare(1, 1, 0, 0, 2, 2, 0);
  D.addCircle(5, 2, 3, -4, 3, 2, 30);
  D.addBlob(10, 3, 0, 0, 3, 3, 0, Outline);
  D.addRasterLine(15, 2, 0, 0, 4, 1, 45, 1);
  D.addFreeLine(20, 2, 0, 0, 2, 3, 0, 0, 0.1f, -0.3f, 0.2f, 0.4f);
  D.addSoftLine(2, 8, 0, 0, -3, 2, 10, Outline, 1);
  D.addRasterPolyline(8, 8, 0, 0, 3, 3, 0, 3, Points);
  D.addFreePolyline(14, 8, 0, 0, 2, -3, 200, 2, Points);
  D.addSoftPolyline(20, 8, 0, 0, 4, 4, 0, 3, Points, Outline);
  expectSamePictures("one of each kind");
}

TEST_F(ShapeLayerTest, PiledUpLinesAddTheirCoverageInOrder) {
  // Fifty squares over one another nearly saturate their edges, right on
  // the pen marker's frame; crossing lines and circles overlap at many
  // different coverages.
  Work.variables().x().setValue(5);
  Work.variables().y().setValue(5);
  Work.variables().dx().setValue(4);
  Work.variables().dy().setValue(4);
  for (int I = 0; I < 50; ++I)
    Work.drawing().addSquare(5, 5, 0, 0, 4, 4, 0);
  for (int I = 0; I < 30; ++I) {
    Work.drawing().addRasterLine(12, 12, 0, I, 8, 1, 6 * I, 1);
    Work.drawing().addCircle(12, 20, I, 0, 6, 4, 0);
  }
  expectSamePictures("piled-up lines");
}

TEST_F(ShapeLayerTest, AThousandRandomShapes) {
  drawRandomShapes(Work, 112);
  ASSERT_GE(Work.drawing().count(), 1000);
  expectSamePictures("a thousand", 50000);
}

TEST_F(ShapeLayerTest, FollowsTheDrawingAsItGrowsAndIsRefilled) {
  Work.drawing().addCircle(3, 3, 0, 0, 3, 3, 0);
  expectSamePictures("one");
  // New Shapes go on top of the ones the texture holds, each once: drawn
  // again, a Shape would come out darker.
  Work.drawing().addSquare(3, 3, 0, 0, 3, 3, 0);
  Work.drawing().addCircle(4, 3, 0, 0, 3, 3, 0);
  expectSamePictures("after two more");
  // Cleared and refilled to the same count: the old Shapes must go.
  Work.drawing().clear();
  for (int I = 0; I < 3; ++I)
    Work.drawing().addRasterLine(15, 10 + I, 0, 0, 5, 1, 0, 1);
  expectSamePictures("refilled");
  Work.drawing().clear();
  Layer.sync(Work.drawing(), State.Layout);
  EXPECT_TRUE(Layer.current(Work.drawing(), State.Layout));
  const std::vector<unsigned char> Empty = canvasThrough(Layer, false);
  EXPECT_TRUE(std::all_of(Empty.begin(), Empty.end(), [](unsigned char C) { return C == 255; }))
      << "an emptied Drawing leaves a white canvas";
}

TEST_F(ShapeLayerTest, ANewCanvasSizeMakesANewTexture) {
  drawRandomShapes(Work, 3);
  Layer.sync(Work.drawing(), State.Layout);
  const WindowLayout Before = State.Layout;
  State.Layout = WindowLayout(ScreenSize{800, 600});
  EXPECT_FALSE(Layer.current(Work.drawing(), State.Layout));
  expectSamePictures("at 800 x 600");
  EXPECT_FALSE(Layer.current(Work.drawing(), Before));
}

TEST_F(ShapeLayerTest, ALayerBehindTheDrawingIsNotShown) {
  Work.drawing().addSquare(2, 2, 0, 0, 2, 2, 0);
  Layer.sync(Work.drawing(), State.Layout);
  Work.drawing().addCircle(8, 8, 0, 0, 3, 3, 0);
  EXPECT_FALSE(Layer.current(Work.drawing(), State.Layout));
  // Without a sync the frame draws every Shape itself: the new circle shows.
  const std::vector<unsigned char> Lagging = canvasThrough(Layer, false);
  EXPECT_EQ(Lagging, canvasThrough(EveryShape, false));
}

TEST_F(ShapeLayerTest, PathsAndTheirReports) {
  EXPECT_FALSE(Layer.cached()) << "no texture before the first sync";
  Layer.sync(Work.drawing(), State.Layout);
  EXPECT_TRUE(Layer.cached()) << "Mesa has framebuffer objects";
  EXPECT_STREQ(Layer.pathReport(),
               "Formen: Zwischenbild im Framebuffer-Objekt, jede Form wird einmal gezeichnet.");
  EveryShape.sync(Work.drawing(), State.Layout);
  EXPECT_FALSE(EveryShape.cached());
  EXPECT_FALSE(EveryShape.current(Work.drawing(), State.Layout));
  EXPECT_STREQ(EveryShape.pathReport(),
               "Formen: keine Framebuffer-Objekte, jedes Bild zeichnet alle Formen neu.");
}

TEST_F(ShapeLayerTest, SyncLeavesTheStateOfTheFrameAlone) {
  drawRandomShapes(Work, 2);
  setCanvasView(State.Layout);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(0.25f, 0.5f, 0.75f, 1);
  glDisable(GL_LINE_SMOOTH);
  GLint ViewportBefore[4], ViewportAfter[4];
  GLfloat ProjectionBefore[16], ProjectionAfter[16];
  glGetIntegerv(GL_VIEWPORT, ViewportBefore);
  glGetFloatv(GL_PROJECTION_MATRIX, ProjectionBefore);
  Layer.sync(Work.drawing(), State.Layout);
  glGetIntegerv(GL_VIEWPORT, ViewportAfter);
  glGetFloatv(GL_PROJECTION_MATRIX, ProjectionAfter);
  EXPECT_TRUE(std::equal(ViewportBefore, ViewportBefore + 4, ViewportAfter));
  EXPECT_TRUE(std::equal(ProjectionBefore, ProjectionBefore + 16, ProjectionAfter));
  GLint Value = -1;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &Value);
  EXPECT_EQ(Value, 0) << "drawing goes to the window again";
  glGetIntegerv(GL_BLEND_SRC, &Value);
  EXPECT_EQ(Value, GL_SRC_ALPHA);
  glGetIntegerv(GL_MATRIX_MODE, &Value);
  EXPECT_EQ(Value, GL_MODELVIEW);
  EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
  GLfloat Colour[4];
  glGetFloatv(GL_CURRENT_COLOR, Colour);
  EXPECT_EQ(Colour[2], 0.75f);
}

TEST_F(ShapeLayerTest, ShapesPiledOnThePenMarkerWhereverItGoes) {
  // The marker is not in the texture: turned, stretched, shifted or moved,
  // the Shapes lie on it as if drawn after it, without a new texture.
  const struct {
    int X, Y, Width, Height, Right, Down, Rotation, Tool;
  } Pens[] = {{10, 15, 1, 1, 0, 0, 0, 1},      {10, 15, 3, 2, 5, -7, 30, 2},
              {10, 15, -4, 5, -9, 3, 200, 12}, {9, 14, 8, 6, 0, 0, 45, 9},
              {11, 16, 2, -3, 12, 12, 300, 3}, {0, 0, 1, 1, 0, 0, 0, 1},
              {23, 36, 8, 8, 0, 0, 45, 9},     {10, 15, 0, 4, 0, 0, 90, 7}};
  // Random Shapes all over; eighty of every kind piled up on cell (10, 15),
  // turned a little further each time; and on every marker's frame a square
  // and a circle in its place, their smoothed edges over its black lines.
  drawRandomShapes(Work, 30);
  Point Outline[12], Points[4] = {{-0.5f, -0.5f}, {0.5f, -0.2f}, {0, 0.5f}, {0.3f, 0.3f}};
  for (int I = 0; I < 12; ++I)
    Outline[I] = {0.5f * std::cos(I * 0.5f), 0.5f * std::sin(I * 0.5f)};
  Drawing &D = Work.drawing();
  for (int I = 0; I < 10; ++I) {
    const int Turn = 37 * I, Across = 2 + I % 3, Down = 3 - I % 2;
    D.addSquare(10, 15, I, -I, Across, Down, Turn);
    D.addCircle(10, 15, -I, I, Down, Across, Turn);
    D.addBlob(10, 15, 0, 0, Across, -Down, Turn, Outline);
    D.addRasterLine(10, 15, 0, I, Across, 1, Turn, 1);
    D.addFreeLine(10, 15, I, 0, Across, Down, Turn, 0, -0.5f, -0.5f, 0.5f, 0.4f);
    D.addSoftLine(10, 15, 0, 0, -Across, Down, Turn, Outline, 1);
    D.addFreePolyline(10, 15, 0, 0, Across, Down, Turn, 4, Points);
    D.addSoftPolyline(10, 15, 0, 0, Down, Across, Turn, 4, Points, Outline);
  }
  for (const auto &Pen : Pens) {
    D.addSquare(Pen.X, Pen.Y, Pen.Right, Pen.Down, Pen.Width, Pen.Height, Pen.Rotation);
    D.addCircle(Pen.X, Pen.Y, Pen.Right, Pen.Down, Pen.Width, Pen.Height, Pen.Rotation);
  }
  Layer.sync(D, State.Layout);
  for (const auto &Pen : Pens) {
    VariableSet &V = Work.variables();
    V.x().setValue(Pen.X);
    V.y().setValue(Pen.Y);
    V.dx().setValue(Pen.Width);
    V.dy().setValue(Pen.Height);
    V.h().setValue(Pen.Right);
    V.v().setValue(Pen.Down);
    V.d().setValue(Pen.Rotation);
    State.Tools.SelectedTool = static_cast<ShapeKind>(Pen.Tool);
    expectSameCanvas(Work, State, Layer, true,
                     "pen at " + std::to_string(Pen.X) + ", " + std::to_string(Pen.Y) + " turned " +
                         std::to_string(Pen.Rotation));
  }
}

TEST(ShapeLayerInTheProgram, FollowsRunsAndARestart) {
  GlApp App;
  Algorithm &A = App.Work.algorithm();
  A.appendRepeatStart(40);
  A.appendArithmetic(&App.Work.variables().x(), ArithmeticOp::Add, 1);
  A.appendDraw(2);
  A.appendDraw(9);
  A.appendRepeatEnd();
  App.clickTool(PickName::Go);
  for (int Step = 0; Step < 30; ++Step)
    App.Lab.idle(); // each draws a frame, which brings the layer up to date
  const ShapeLayer &Layer = App.Resources->shapes();
  ASSERT_GT(App.Work.drawing().count(), 10);
  expectSameCanvas(App.Work, App.State, Layer, true, "during a run");
  // A right click beside the listing's lines ends the run and draws the
  // whole algorithm at once.
  App.click(LayoutWidth - 10, LayoutHeight - 100, MouseButton::Right);
  App.frame();
  EXPECT_EQ(App.Work.drawing().count(), 80);
  expectSameCanvas(App.Work, App.State, Layer, App.State.GridVisible, "after a whole run");
  App.clickTool(PickName::Restart);
  App.frame();
  EXPECT_TRUE(Layer.current(App.Work.drawing(), App.State.Layout));
  EXPECT_EQ(canvasThrough(App.Work, App.State, Layer, true),
            canvasThrough(App.Work, App.State, ShapeLayer(nullptr), true))
      << "after a restart the canvas holds the grid and the pen marker only";
}
