// Emitting the outlined panel and its scaled atlas text.
#include "app/atlas_panel.h"

#include "gfx/text_renderer.h"

namespace {

void emitCorners(int X, int Y, int Width, int Height) {
  glVertex2i(X, Y);
  glVertex2i(X, Y + Height);
  glVertex2i(X + Width, Y + Height);
  glVertex2i(X + Width, Y);
}

} // namespace

void emitFilledRectangle(int X, int Y, int Width, int Height) {
  glBegin(GL_POLYGON);
  emitCorners(X, Y, Width, Height);
  glEnd();
}

void emitOutlinedPanel(int X, int Y, int Width, int Height) {
  glColor4f(0.8f, 0.8f, 0.8f, 1.0f);
  emitFilledRectangle(X, Y, Width, Height);
  glLineWidth(2);
  glColor4f(0.2f, 0.2f, 0.2f, 0.2f);
  glBegin(GL_LINE_LOOP);
  emitCorners(X, Y, Width, Height);
  glEnd();
  glLineWidth(1);
}

void emitPanelText(GLuint Texture, int X, int Y, const char *Text, float PenX, float PenY,
                   float LineAdvance) {
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(static_cast<float>(X), static_cast<float>(Y), 0);
  glScalef(PanelTextScale, PanelTextScale, 1);
  glBindTexture(GL_TEXTURE_2D, Texture);
  TextRenderer::emitText(Text, PenX, PenY, LineAdvance);
  glPopMatrix();
}
