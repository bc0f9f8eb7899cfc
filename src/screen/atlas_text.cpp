// Atlas text and the outlined panels it stands on.
#include "screen/atlas_text.h"

#include "screen/glyph.h"

void appendAtlasText(DrawListBuilder &Out, const char *Text, float X, float Y, float Scale,
                     float PenX, float PenY, float LineAdvance) {
  DrawTransform Matrix;
  Matrix.TranslateX = X;
  Matrix.TranslateY = Y;
  Matrix.ScaleX = Scale;
  Matrix.ScaleY = Scale;
  Out.setTransform(Matrix);
  Out.setTexture({TextureKind::Atlas, PickName::Nothing});
  const auto Size = static_cast<float>(GlyphQuadSize);
  Out.begin(Primitive::Quads);
  // Each quad from its bottom-left corner, as the glyph cells were always cut.
  forEachGlyphQuad(Text, PenX, PenY, LineAdvance, [&](const GlyphQuad &Q) {
    Out.texturedVertex(Q.X, Q.Y + Size, Q.S0, Q.T1);
    Out.texturedVertex(Q.X, Q.Y, Q.S0, Q.T0);
    Out.texturedVertex(Q.X + Size, Q.Y, Q.S1, Q.T0);
    Out.texturedVertex(Q.X + Size, Q.Y + Size, Q.S1, Q.T1);
  });
  Out.end();
  Out.setTexture({});
  Out.resetTransform();
}

void appendOutlinedPanel(DrawListBuilder &Out, int X, int Y, int Width, int Height) {
  const auto Left = static_cast<float>(X), Top = static_cast<float>(Y);
  const auto Right = static_cast<float>(X + Width), Bottom = static_cast<float>(Y + Height);
  Out.setColour(0.8f, 0.8f, 0.8f, 1.0f);
  Out.rectangle(Left, Top, Right - Left, Bottom - Top);
  Out.setLineWidth(2);
  Out.setColour(0.2f, 0.2f, 0.2f, 0.2f);
  Out.begin(Primitive::LineLoop);
  Out.vertex(Left, Top);
  Out.vertex(Left, Bottom);
  Out.vertex(Right, Bottom);
  Out.vertex(Right, Top);
  Out.end();
  Out.setLineWidth(1);
  Out.setColour(1, 1, 1, 1);
}
