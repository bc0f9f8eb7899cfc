// Drawing Shapes into the canvas texture as separate line segments, so that
// any number of them, of any kind, goes to the GPU in one call.
#include "webgl/shape_texture.h"

#include "exec/drawing.h"
#include "screen/panel_rect.h"
#include "screen/separate_primitives.h"
#include "screen/shape_figure.h"
#include "webgl/draw_program.h"
#include "webgl/panel_viewport.h"

namespace {

/// The grey of Shapes over the grid; without it they are black.
constexpr float GridShapeGrey = 0.5f;
/// Segment vertices per upload: bounds the scratch buffer when a resize or
/// a new canvas redraws every Shape.
constexpr size_t SegmentBatch = 1 << 18;

// Collects each primitive of a figure, then adds it to the segments placed
// on the canvas by the figure's map.
class SegmentSink final : public FigureSink {
public:
  SegmentSink(std::vector<DrawVertex> &Out, const UnitBoxMap &Box) : Out(Out) {
    Map.Xx = Box.Xx;
    Map.Xy = Box.Xy;
    Map.Yx = Box.Yx;
    Map.Yy = Box.Yy;
    Map.Tx = Box.Cx;
    Map.Ty = Box.Cy;
  }

  void begin(Primitive Kind) override {
    Current = Kind;
    Figure.clear();
  }
  void vertex(float X, float Y) override { Figure.push_back({X, Y, 0, 0, {1, 1, 1, 1}}); }
  void end() override {
    if (isLineKind(Current))
      appendAsSeparate(Figure.data(), static_cast<uint32_t>(Figure.size()), Current, Map, Out);
  }

private:
  std::vector<DrawVertex> &Out;
  AffineMap Map;
  Primitive Current = Primitive::Lines;
  std::vector<DrawVertex> Figure;
};

void appendSegments(const Shape &S, std::vector<DrawVertex> &Out) {
  const UnitBoxMap Map = unitBoxMap(S);
  SegmentSink Sink(Out, Map);
  emitShapeFigure(S, Sink);
}

} // namespace

ShapeTexture::ShapeTexture(const DrawProgram &Program) : Program(Program) {
  glGenBuffers(1, &Buffer);
}

ShapeTexture::~ShapeTexture() {
  glDeleteBuffers(1, &Buffer);
  glDeleteFramebuffers(1, &Framebuffer);
  glDeleteTextures(1, &Texture);
}

void ShapeTexture::resize(const ScreenSize &Screen) {
  const PanelRect Canvas = panelRect(Panel::Canvas, Screen);
  Width = Canvas.Width;
  Height = Canvas.Height;
  CanvasLayoutWidth = Canvas.LayoutWidth;
  if (!Texture) {
    glGenTextures(1, &Texture);
    glGenFramebuffers(1, &Framebuffer);
  }
  glBindTexture(GL_TEXTURE_2D, Texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, Width, Height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  // One texel on one canvas pixel: nothing to filter, and the side need not
  // be a power of two.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glBindFramebuffer(GL_FRAMEBUFFER, Framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, Texture, 0);
}

void ShapeTexture::sync(const Drawing &Picture, const ScreenSize &Screen) {
  const PanelRect Canvas = panelRect(Panel::Canvas, Screen);
  const bool Fresh = !Started || Canvas.Width != Width || Canvas.Height != Height ||
                     Picture.generation() != Generation;
  const Shape *First = Fresh ? Picture.head() : (LastDrawn ? LastDrawn->next : Picture.head());
  if (!Fresh && !First)
    return;
  if (!Started || Canvas.Width != Width || Canvas.Height != Height)
    resize(Screen);
  glBindFramebuffer(GL_FRAMEBUFFER, Framebuffer);
  if (Fresh) {
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(1, 1, 1, 1);
    LastDrawn = nullptr;
  }
  Started = true;
  Generation = Picture.generation();
  drawShapes(First);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void ShapeTexture::drawShapes(const Shape *First) {
  Program.use();
  Program.setMatrix(panelMatrix(CanvasLayoutWidth, DrawTransform()));
  Program.setTextured(false);
  // The texture is the canvas, pixel for pixel.
  usePanelViewport(Program, PanelRect{0, 0, Width, Height, CanvasLayoutWidth}, true);
  glBindBuffer(GL_ARRAY_BUFFER, Buffer);
  Program.bindVertexLayout();
  for (const Shape *S = First; S;) {
    Segments.clear();
    for (; S && Segments.size() < SegmentBatch; S = S->next) {
      appendSegments(*S, Segments);
      LastDrawn = S;
    }
    if (Segments.empty())
      continue;
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(Segments.size() * sizeof(DrawVertex)),
                 Segments.data(), GL_STREAM_DRAW);
    glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(Segments.size()));
  }
}

void ShapeTexture::draw(bool OnGrid) const {
  if (!Started)
    return;
  const float Grey = OnGrid ? GridShapeGrey : 0.0f;
  const Colour Tint{Grey, Grey, Grey, 1};
  const float Right = static_cast<float>(CanvasLayoutWidth);
  const float Bottom = static_cast<float>(LayoutHeight);
  // The texture's first row is the canvas's bottom one.
  const DrawVertex Quad[] = {{0, 0, 0, 1, Tint},
                             {0, Bottom, 0, 0, Tint},
                             {Right, Bottom, 1, 0, Tint},
                             {Right, 0, 1, 1, Tint}};
  Program.setMatrix(panelMatrix(CanvasLayoutWidth, DrawTransform()));
  Program.setTextured(true);
  glBindTexture(GL_TEXTURE_2D, Texture);
  glBindBuffer(GL_ARRAY_BUFFER, Buffer);
  glBufferData(GL_ARRAY_BUFFER, sizeof Quad, Quad, GL_STREAM_DRAW);
  Program.bindVertexLayout();
  glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
}
