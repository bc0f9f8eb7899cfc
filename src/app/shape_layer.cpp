// The shape layer. A frame blends each Shape's smoothed coverage a into the
// canvas with the shape colour c, C := c a + C (1 - a), rounding to 8 bits
// every time, so that where many Shapes overlap the result depends on the
// background each step started from, by several grey levels. So the layer
// blends its Shapes over the same grid the frame shows, step by step as the
// frame does, and keeps their coverage A, added by the "over" rule
// A := a + A (1 - a), in its alpha:
// - On the grid, the layer's colour is the frame's canvas wherever the pen
//   marker is not (but for a grey level here and there: a texture's smoothed
//   lines cover their pixels a little differently from the window's), and is
//   copied there. The marker moves with the pen and is not in the layer: over
//   its pixels the frame keeps the grid and marker it drew and blends the
//   Shapes that reach them, one by one as drawing every Shape would. The same
//   pixels, at a cost that grows only with the Shapes piled up on the marker.
// - Without the grid the Shapes are black on white, 1 - A, which black's
//   step-by-step blending matches to a grey level or two.
// Only the part of the canvas the Shapes reached is laid over the frame.
#include "app/shape_layer.h"

#include <GL/gl.h>

#include "app/canvas_pixels.h"
#include "app/gl_frame_renderer.h"
#include "app/panel_view.h"
#include "app/shape_batch.h"
#include "app/shape_renderer.h"
#include "exec/drawing.h"
#include "screen/canvas_frame.h"
#include "screen/screen_layout.h"

namespace {

void setGrey(float Grey) { glColor4f(Grey, Grey, Grey, 1); }

// The same grid lines the frame draws, so that both blend alike.
void drawCanvasGrid() {
  DrawList Grid;
  DrawListBuilder Builder(Grid);
  appendCanvasGrid(Builder);
  drawPrimitives(Grid);
}

/// Runs \p Draw with its drawing going into \p Target in the canvas view,
/// with the frame's smoothed lines and blending; every state it touches is
/// restored afterwards.
template <typename DrawFn>
void drawInto(const OffscreenTexture &Target, const WindowLayout &Layout, DrawFn &&Draw) {
  glPushAttrib(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_VIEWPORT_BIT | GL_CURRENT_BIT |
               GL_HINT_BIT | GL_TRANSFORM_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  Target.bind();
  setOffscreenPanelView(Panel::Canvas, Layout);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_SCISSOR_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
  glEnable(GL_LINE_SMOOTH);
  Draw();
  Target.release();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
}

/// Smoothing spreads a line about a pixel beyond its vertices.
constexpr float InkMargin = 2;

/// Lays the pixels \p R of \p Texture on the same pixels of the canvas,
/// whose viewport is set.
void copyPixels(const OffscreenTexture &Texture, const PixelRect &R) {
  const float Width = static_cast<float>(Texture.width());
  const float Height = static_cast<float>(Texture.height());
  glBindTexture(GL_TEXTURE_2D, Texture.texture());
  glBegin(GL_QUADS);
  glTexCoord2f(R.Left / Width, R.Bottom / Height);
  glVertex2i(R.Left, R.Bottom);
  glTexCoord2f(R.Right / Width, R.Bottom / Height);
  glVertex2i(R.Right, R.Bottom);
  glTexCoord2f(R.Right / Width, R.Top / Height);
  glVertex2i(R.Right, R.Top);
  glTexCoord2f(R.Left / Width, R.Top / Height);
  glVertex2i(R.Left, R.Top);
  glEnd();
}

} // namespace

ShapeLayer::ShapeLayer(GlProcLoader Load) {
  if (Load)
    Api = loadOffscreenApi(Load);
}

ShapeLayer::~ShapeLayer() = default;

bool ShapeLayer::cached() const { return Layer && Layer->complete(); }

bool ShapeLayer::current(const Drawing &Picture, const WindowLayout &Layout) const {
  if (!cached())
    return false;
  const PanelRect Canvas = Layout.panel(Panel::Canvas);
  return Layer->width() == Canvas.Width && Layer->height() == Canvas.Height &&
         Generation == Picture.generation() && Drawn == Picture.count();
}

const char *ShapeLayer::pathReport() const {
  if (cached())
    return "Formen: Zwischenbild im Framebuffer-Objekt, jede Form wird einmal gezeichnet.";
  return "Formen: keine Framebuffer-Objekte, jedes Bild zeichnet alle Formen neu.";
}

void ShapeLayer::sync(const Drawing &Picture, const WindowLayout &Layout) {
  if (!Api.available())
    return;
  const PanelRect Canvas = Layout.panel(Panel::Canvas);
  bool Fresh = false;
  if (!Layer || Layer->width() != Canvas.Width || Layer->height() != Canvas.Height) {
    Layer.reset();
    Layer = std::make_unique<OffscreenTexture>(Api, Canvas.Width, Canvas.Height);
    Fresh = true;
  }
  // Textures the driver refused leave every frame drawing each Shape.
  if (!cached())
    return;
  if (Generation != Picture.generation())
    Fresh = true;
  if (Fresh) {
    Generation = Picture.generation();
    Drawn = 0;
    LastDrawn = nullptr;
    Inked = CanvasBounds();
    Footprints.clear();
  } else if (Drawn == Picture.count()) {
    return;
  }
  // Between clears the Drawing only grows, so the Shapes after the last one
  // drawn are exactly the new ones.
  const Shape *First = LastDrawn ? LastDrawn->next : Picture.head();
  drawIntoLayer(Layout, First, Fresh);
  for (const Shape *S = First; S; S = S->next) {
    LastDrawn = S;
    ++Drawn;
  }
}

void ShapeLayer::drawIntoLayer(const WindowLayout &Layout, const Shape *First, bool Fresh) {
  drawInto(*Layer, Layout, [&] {
    if (Fresh) {
      // The grid leaves the alpha, which only the Shapes' coverage fills.
      glClearColor(1, 1, 1, 0);
      glClear(GL_COLOR_BUFFER_BIT);
      Api.blendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ZERO, GL_ONE);
      drawCanvasGrid();
    }
    Api.blendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    setGrey(GridShapeGrey);
    const PanelRect Canvas = Layout.panel(Panel::Canvas);
    ShapeBatch Batch;
    for (const Shape *S = First; S; S = S->next)
      Footprints.push_back({S, pixelsCovering(Batch.add(*S), Canvas, InkMargin)});
    Batch.draw();
    Inked.include(Batch.bounds());
  });
}

void ShapeLayer::draw(const Drawing &Picture, const WindowLayout &Layout, bool GridVisible,
                      const CanvasBounds &Beneath) const {
  if (!current(Picture, Layout)) {
    setGrey(GridVisible ? GridShapeGrey : 0.0f);
    for (const Shape *S = Picture.head(); S; S = S->next)
      drawShape(*S);
    return;
  }
  const PanelRect Canvas = Layout.panel(Panel::Canvas);
  const PixelRect Ink = pixelsCovering(Inked, Canvas, InkMargin);
  if (Ink.empty())
    return;
  if (!GridVisible) {
    composite(Canvas, {Ink}, false);
    return;
  }
  const PixelRect Marker = intersection(Ink, pixelsCovering(Beneath, Canvas, InkMargin));
  composite(Canvas, difference(Ink, Marker), true);
  drawShapesWithin(Marker);
}

void ShapeLayer::composite(const PanelRect &Canvas, const std::vector<PixelRect> &Parts,
                           bool GridVisible) const {
  glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT |
               GL_TRANSFORM_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0, Canvas.Width, 0, Canvas.Height, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glEnable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  if (GridVisible) {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  } else {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_REPLACE);
    glTexEnvi(GL_TEXTURE_ENV, GL_SOURCE0_RGB, GL_TEXTURE);
    glTexEnvi(GL_TEXTURE_ENV, GL_OPERAND0_RGB, GL_ONE_MINUS_SRC_ALPHA);
  }
  for (const PixelRect &Part : Parts)
    copyPixels(*Layer, Part);
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopAttrib();
}

void ShapeLayer::drawShapesWithin(const PixelRect &Pixels) const {
  if (Pixels.empty())
    return;
  // The scissor box counts in window pixels, the rectangle from the canvas
  // viewport's corner.
  GLint Viewport[4];
  glGetIntegerv(GL_VIEWPORT, Viewport);
  glPushAttrib(GL_SCISSOR_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT);
  glEnable(GL_SCISSOR_TEST);
  glScissor(Viewport[0] + Pixels.Left, Viewport[1] + Pixels.Bottom, Pixels.Right - Pixels.Left,
            Pixels.Top - Pixels.Bottom);
  setGrey(GridShapeGrey);
  // A Shape that does not reach the rectangle leaves its pixels as they are.
  for (const Footprint &F : Footprints)
    if (!intersection(F.Pixels, Pixels).empty())
      drawShape(*F.Drawn);
  glPopAttrib();
}
