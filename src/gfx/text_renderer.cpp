// Immediate-mode emission of the text quads laid out by forEachGlyphQuad.
#include "gfx/text_renderer.h"

#include <GL/gl.h>

void TextRenderer::emitText(const char *Text, float PenX, float PenY, float LineAdvance) {
  const float Size = static_cast<float>(GlyphQuadSize);
  forEachGlyphQuad(Text, PenX, PenY, LineAdvance, [Size](const GlyphQuad &Q) {
    glBegin(GL_POLYGON);
    glTexCoord2f(Q.S0, Q.T1);
    glVertex2f(Q.X, Q.Y + Size);
    glTexCoord2f(Q.S0, Q.T0);
    glVertex2f(Q.X, Q.Y);
    glTexCoord2f(Q.S1, Q.T0);
    glVertex2f(Q.X + Size, Q.Y);
    glTexCoord2f(Q.S1, Q.T1);
    glVertex2f(Q.X + Size, Q.Y + Size);
    glEnd();
  });
}
