// Drawing a frame's description with WebGL: every vertex of the frame goes
// up in one buffer, and each command draws its range with its own state.
#include "webgl/frame_renderer.h"

#include "exec/drawing.h"
#include "files/gray_png.h"
#include "files/image_folder.h"
#include "screen/separate_primitives.h"
#include "webgl/image_texture.h"
#include "webgl/panel_viewport.h"

FrameRenderer::FrameRenderer(const std::string &ImageFolder) : Shapes(Program) {
  glGenBuffers(1, &Buffer);
  AtlasTexture = loadImageTexture(ImageFolder + AlphabetAtlasPath);
  Icons.load(ImageFolder, loadImageTexture);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClearColor(1, 1, 1, 1);
  glActiveTexture(GL_TEXTURE0);
}

FrameRenderer::~FrameRenderer() { glDeleteBuffers(1, &Buffer); }

void FrameRenderer::syncShapes(const Drawing &Picture, const WindowLayout &Layout) {
  Shapes.sync(Picture, Layout);
}

void FrameRenderer::upload(const DrawList &Frame) {
  Uploaded.clear();
  Batches.clear();
  for (const DrawCommand &Command : Frame.Commands) {
    if (Command.Kind == DrawCommandKind::Primitives) {
      appendPrimitives(Frame, Command);
      continue;
    }
    Batch Step;
    Step.Kind = Command.Kind;
    Step.Source = &Command;
    Batches.push_back(Step);
  }
  glBindBuffer(GL_ARRAY_BUFFER, Buffer);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(Uploaded.size() * sizeof(DrawVertex)),
               Uploaded.data(), GL_STREAM_DRAW);
  Program.bindVertexLayout();
}

void FrameRenderer::appendPrimitives(const DrawList &Frame, const DrawCommand &Command) {
  if (Command.VertexCount == 0)
    return;
  const bool Lines = isLineKind(Command.Shape);
  Batch *Run = Batches.empty() ? nullptr : &Batches.back();
  if (!Run || Run->Kind != DrawCommandKind::Primitives || Run->Lines != Lines ||
      !(Run->Texture == Command.Texture) || Run->LineWidth != Command.LineWidth) {
    Batch Fresh;
    Fresh.Lines = Lines;
    Fresh.Texture = Command.Texture;
    Fresh.LineWidth = Command.LineWidth;
    Fresh.First = static_cast<uint32_t>(Uploaded.size());
    Batches.push_back(Fresh);
    Run = &Batches.back();
  }
  const size_t Before = Uploaded.size();
  appendAsSeparate(Frame.verticesOf(Command), Command.VertexCount, Command.Shape,
                   placementOf(Command.Matrix), Uploaded);
  Run->Count += static_cast<uint32_t>(Uploaded.size() - Before);
}

void FrameRenderer::setTexture(const TextureRef &Texture) {
  Program.setTextured(Texture.Kind != TextureKind::None);
  if (Texture.Kind == TextureKind::None)
    return;
  // An icon that could not be loaded samples texture 0, which WebGL reads
  // as black: its rectangle shows the vertex colour's shade of it.
  glBindTexture(GL_TEXTURE_2D,
                Texture.Kind == TextureKind::Atlas ? AtlasTexture : Icons.find(Texture.Icon));
}

void FrameRenderer::drawBatch(const Batch &Run) {
  if (Run.Count == 0)
    return;
  setTexture(Run.Texture);
  usePanelViewport(Program, CurrentPanel, Run.Lines);
  glLineWidth(Run.LineWidth);
  const GLenum Mode = Run.Lines ? GL_LINES : GL_TRIANGLES;
  if (!Run.Lines || LineScale == 1) {
    glDrawArrays(Mode, static_cast<GLint>(Run.First), static_cast<GLsizei>(Run.Count));
    return;
  }
  // The panel's viewport moved by whole pixels right and down, cut to the
  // panel so that no line spills into its neighbour.
  const PanelRect &P = CurrentPanel;
  glEnable(GL_SCISSOR_TEST);
  glScissor(P.X, P.Y, P.Width, P.Height);
  for (int Right = 0; Right < LineScale; ++Right)
    for (int Down = 0; Down < LineScale; ++Down) {
      glViewport(P.X + Right, P.Y - Down, P.Width, P.Height);
      glDrawArrays(Mode, static_cast<GLint>(Run.First), static_cast<GLsizei>(Run.Count));
    }
  glDisable(GL_SCISSOR_TEST);
  glViewport(P.X, P.Y, P.Width, P.Height);
}

void FrameRenderer::draw(const DrawList &Frame, const WindowLayout &Layout) {
  if (!ready())
    return;
  Program.use();
  upload(Frame);
  for (const Batch &Run : Batches) {
    switch (Run.Kind) {
    case DrawCommandKind::Clear:
      // The whole drawing buffer, whatever the viewport.
      glClear(GL_COLOR_BUFFER_BIT);
      break;
    case DrawCommandKind::PanelView: {
      CurrentPanel = Layout.panel(Run.Source->View);
      usePanelViewport(Program, CurrentPanel, false);
      Program.setMatrix(panelMatrix(CurrentPanel.LayoutWidth, DrawTransform()));
      break;
    }
    case DrawCommandKind::Shapes:
      usePanelViewport(Program, CurrentPanel, false);
      Shapes.draw(Run.Source->OnGrid);
      // The shape texture used a buffer and a matrix of its own.
      glBindBuffer(GL_ARRAY_BUFFER, Buffer);
      Program.bindVertexLayout();
      Program.setMatrix(panelMatrix(CurrentPanel.LayoutWidth, DrawTransform()));
      break;
    case DrawCommandKind::Primitives:
      drawBatch(Run);
      break;
    }
  }
  glLineWidth(1);
}

std::vector<unsigned char> readCanvasGray(const WindowLayout &Layout) {
  const PanelRect Canvas = Layout.panel(Panel::Canvas);
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
