// Drawing a frame's description with OpenGL. The state the last command set
// (colour, texture, line width, matrix) is remembered, so a frame of many
// primitives sets each only when it changes.
#include "app/gl_frame_renderer.h"

#include "app/panel_view.h"
#include "app/shape_layer.h"
#include "app/shape_renderer.h"

namespace {

class GlState {
public:
  GlState(const IconTextureLookup *GivenIcons, GLuint GivenAtlas)
      : Icons(GivenIcons), Atlas(GivenAtlas) {}

  void primitives(const DrawList &Frame, const DrawCommand &Command);
  /// Forgets what was set: a panel change or the shape layer may have
  /// changed the matrix and the current colour.
  void forget() { Known = false; }

private:
  void setMatrix(const DrawTransform &Matrix);
  void setTexture(const TextureRef &Texture);
  void vertex(const DrawVertex &Vertex, bool Textured);

  const IconTextureLookup *Icons;
  GLuint Atlas;
  bool Known = false;
  DrawTransform Matrix;
  TextureRef Texture;
  float LineWidth = 1;
  Colour Current;
};

void GlState::setMatrix(const DrawTransform &Wanted) {
  if (Known && Wanted == Matrix)
    return;
  Matrix = Wanted;
  glLoadIdentity();
  if (Wanted == DrawTransform())
    return;
  glTranslatef(Wanted.TranslateX, 0, 0);
  glTranslatef(0, Wanted.TranslateY, 0);
  if (Wanted.Turned)
    glRotatef(static_cast<float>(Wanted.Rotation), 0, 0, 1);
  glScalef(Wanted.ScaleX, Wanted.ScaleY, 1);
}

void GlState::setTexture(const TextureRef &Wanted) {
  if (Known && Wanted == Texture)
    return;
  Texture = Wanted;
  if (Wanted.Kind == TextureKind::None) {
    glDisable(GL_TEXTURE_2D);
    return;
  }
  glEnable(GL_TEXTURE_2D);
  // An icon that could not be loaded has no texture: its rectangle shows
  // untextured, as texture 0 draws.
  glBindTexture(GL_TEXTURE_2D, Wanted.Kind == TextureKind::Atlas ? Atlas : (*Icons)(Wanted.Icon));
}

void GlState::vertex(const DrawVertex &Vertex, bool Textured) {
  if (!Known || Vertex.Tint != Current) {
    Current = Vertex.Tint;
    glColor4f(Current.Red, Current.Green, Current.Blue, Current.Alpha);
  }
  if (Textured)
    glTexCoord2f(Vertex.S, Vertex.T);
  glVertex2f(Vertex.X, Vertex.Y);
}

void GlState::primitives(const DrawList &Frame, const DrawCommand &Command) {
  setMatrix(Command.Matrix);
  setTexture(Command.Texture);
  if (!Known || Command.LineWidth != LineWidth) {
    LineWidth = Command.LineWidth;
    glLineWidth(LineWidth);
  }
  const bool Textured = Command.Texture.Kind != TextureKind::None;
  const DrawVertex *Vertices = Frame.verticesOf(Command);
  // Colour, matrix and texture are set from here on; the vertices keep the
  // colour in step.
  const bool WasKnown = Known;
  Known = true;
  if (!WasKnown) {
    Current = Vertices[0].Tint;
    glColor4f(Current.Red, Current.Green, Current.Blue, Current.Alpha);
  }
  if (Command.Shape == Primitive::Quads) {
    // Each quad a polygon of its own, as the glyphs were always drawn.
    for (uint32_t First = 0; First + 4 <= Command.VertexCount; First += 4) {
      glBegin(GL_POLYGON);
      for (uint32_t I = First; I < First + 4; ++I)
        vertex(Vertices[I], Textured);
      glEnd();
    }
    return;
  }
  glBegin(glPrimitive(Command.Shape));
  for (uint32_t I = 0; I < Command.VertexCount; ++I)
    vertex(Vertices[I], Textured);
  glEnd();
}

} // namespace

void GlFrameRenderer::draw(const DrawList &Frame, const Drawing &Picture,
                           const WindowLayout &Layout) const {
  GlState State(&Icons, AtlasTexture);
  for (const DrawCommand &Command : Frame.Commands) {
    switch (Command.Kind) {
    case DrawCommandKind::Clear:
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      glDisable(GL_DEPTH_TEST);
      break;
    case DrawCommandKind::PanelView:
      setPanelView(Command.View, Layout);
      State.forget();
      break;
    case DrawCommandKind::Shapes:
      if (Shapes)
        Shapes->draw(Picture, Layout, Command.OnGrid, Command.Beneath);
      State.forget();
      break;
    case DrawCommandKind::Primitives:
      State.primitives(Frame, Command);
      break;
    }
  }
  glDisable(GL_TEXTURE_2D);
  glLineWidth(1);
}

void drawPrimitives(const DrawList &Frame) {
  GlState State(nullptr, 0);
  for (const DrawCommand &Command : Frame.Commands)
    if (Command.Kind == DrawCommandKind::Primitives)
      State.primitives(Frame, Command);
}
