// Drawing a frame's description with WebGL: every vertex of the frame goes
// up in one buffer, and each command draws its range with its own state.
#include "webgl/frame_renderer.h"

#include "exec/drawing.h"
#include "files/gray_png.h"
#include "files/image_folder.h"
#include "screen/panel_rect.h"
#include "editor/pen_menu.h"
#include "screen/screen_layout.h"
#include "webgl/image_texture.h"

namespace {

GLenum modeOf(Primitive Kind) {
  switch (Kind) {
  case Primitive::Polygon:
    return GL_TRIANGLE_FAN;
  case Primitive::Quads:
  case Primitive::Triangles:
    return GL_TRIANGLES;
  case Primitive::Lines:
    return GL_LINES;
  case Primitive::LineStrip:
    return GL_LINE_STRIP;
  case Primitive::LineLoop:
    return GL_LINE_LOOP;
  }
  return GL_TRIANGLES;
}

void setPanelViewport(Panel Which, const ScreenSize &Screen) {
  const PanelRect R = panelRect(Which, Screen);
  glViewport(R.X, R.Y, R.Width, R.Height);
}

} // namespace

FrameRenderer::FrameRenderer(const std::string &ImageFolder) : Shapes(Program) {
  glGenBuffers(1, &Buffer);
  AtlasTexture = loadImageTexture(ImageFolder + AlphabetAtlasPath);
  for (const ToolWidgetPlace &Place : toolChainPlaces())
    if (!Place.isLabel())
      Icons[Place.Pick] = loadImageTexture(ImageFolder + IconFolder + Place.Icon);
  for (size_t I = 0; I < PenMenuSize; ++I)
    Icons[PenMenuOrder[I]] = loadImageTexture(ImageFolder + IconFolder + penMenuIcons()[I]);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClearColor(1, 1, 1, 1);
  glActiveTexture(GL_TEXTURE0);
}

FrameRenderer::~FrameRenderer() { glDeleteBuffers(1, &Buffer); }

GLuint FrameRenderer::iconTexture(PickName Icon) const {
  const auto Found = Icons.find(Icon);
  return Found == Icons.end() ? 0 : Found->second;
}

void FrameRenderer::syncShapes(const Drawing &Picture, const ScreenSize &Screen) {
  Shapes.sync(Picture, Screen);
}

void FrameRenderer::upload(const DrawList &Frame) {
  Uploaded.assign(Frame.Vertices.begin(), Frame.Vertices.end());
  QuadStart.assign(Frame.Commands.size(), 0);
  for (size_t I = 0; I < Frame.Commands.size(); ++I) {
    const DrawCommand &Command = Frame.Commands[I];
    if (Command.Kind != DrawCommandKind::Primitives || Command.Shape != Primitive::Quads)
      continue;
    QuadStart[I] = static_cast<uint32_t>(Uploaded.size());
    const DrawVertex *Corners = Frame.verticesOf(Command);
    for (uint32_t First = 0; First + 4 <= Command.VertexCount; First += 4)
      for (uint32_t Corner : {0u, 1u, 2u, 0u, 2u, 3u})
        Uploaded.push_back(Corners[First + Corner]);
  }
  glBindBuffer(GL_ARRAY_BUFFER, Buffer);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(Uploaded.size() * sizeof(DrawVertex)),
               Uploaded.data(), GL_STREAM_DRAW);
  Program.bindVertexLayout();
}

void FrameRenderer::setTexture(const TextureRef &Texture) {
  Program.setTextured(Texture.Kind != TextureKind::None);
  if (Texture.Kind == TextureKind::None)
    return;
  // An icon that could not be loaded samples texture 0, which WebGL reads
  // as black: its rectangle shows the vertex colour's shade of it.
  glBindTexture(GL_TEXTURE_2D,
                Texture.Kind == TextureKind::Atlas ? AtlasTexture : iconTexture(Texture.Icon));
}

void FrameRenderer::primitives(const DrawCommand &Command, size_t Index) {
  if (Command.VertexCount == 0)
    return;
  Program.setMatrix(panelMatrix(PanelLayoutWidth, Command.Matrix));
  setTexture(Command.Texture);
  glLineWidth(Command.LineWidth);
  if (Command.Shape == Primitive::Quads) {
    const uint32_t Quads = Command.VertexCount / 4;
    glDrawArrays(GL_TRIANGLES, static_cast<GLint>(QuadStart[Index]),
                 static_cast<GLsizei>(Quads * 6));
    return;
  }
  glDrawArrays(modeOf(Command.Shape), static_cast<GLint>(Command.FirstVertex),
               static_cast<GLsizei>(Command.VertexCount));
}

void FrameRenderer::draw(const DrawList &Frame, const ScreenSize &Screen) {
  if (!ready())
    return;
  Program.use();
  upload(Frame);
  for (size_t I = 0; I < Frame.Commands.size(); ++I) {
    const DrawCommand &Command = Frame.Commands[I];
    switch (Command.Kind) {
    case DrawCommandKind::Clear:
      // The whole drawing buffer, whatever the viewport.
      glClear(GL_COLOR_BUFFER_BIT);
      break;
    case DrawCommandKind::PanelView:
      setPanelViewport(Command.View, Screen);
      PanelLayoutWidth = panelRect(Command.View, Screen).LayoutWidth;
      break;
    case DrawCommandKind::Shapes:
      Shapes.draw(Command.OnGrid);
      // The shape texture used a buffer of its own.
      glBindBuffer(GL_ARRAY_BUFFER, Buffer);
      Program.bindVertexLayout();
      break;
    case DrawCommandKind::Primitives:
      primitives(Command, I);
      break;
    }
  }
  glLineWidth(1);
}

std::vector<unsigned char> readCanvasGray(const ScreenSize &Screen) {
  const PanelRect Canvas = panelRect(Panel::Canvas, Screen);
  if (Canvas.Width <= 0 || Canvas.Height <= 0)
    return {};
  const size_t Pixels = static_cast<size_t>(Canvas.Width) * static_cast<size_t>(Canvas.Height);
  std::vector<unsigned char> Rgba(Pixels * 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(Canvas.X, Canvas.Y, Canvas.Width, Canvas.Height, GL_RGBA, GL_UNSIGNED_BYTE,
               Rgba.data());
  // The red intensity the desktop reads back, so that the grey follows the
  // one rule of grayRowsFromRed.
  std::vector<float> Red(Pixels);
  for (size_t I = 0; I < Pixels; ++I)
    Red[I] = static_cast<float>(Rgba[I * 4]) / 255.0f;
  return grayRowsFromRed(Red.data(), Canvas.Width, Canvas.Height);
}
