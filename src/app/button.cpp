// The Button's textured rectangle.
#include "app/button.h"

Button::Button(const std::string &IconPath, GLuint ListId, int PickName, int X, int Y, int Width,
               int Height)
    : Button(loadPngTexture(IconPath).name(), ListId, PickName, X, Y, Width, Height) {
  // Only here: a Label, made through the protected constructor, compiles its
  // own text instead.
  rebuild();
}

Button::Button(GLuint Texture, GLuint ListId, int PickName, int X, int Y, int Width, int Height)
    : PickName(PickName), ListId(ListId), X(X), Y(Y), Width(Width), Height(Height),
      Texture(Texture) {}

// Widgets live as long as the program; their lists and textures stay with the GL.
Button::~Button() = default;

void Button::rebuild() {
  glNewList(ListId, GL_COMPILE);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, Texture);
  glBegin(GL_POLYGON);
  glTexCoord2f(0, 0);
  glVertex2i(X, Y);
  glTexCoord2f(1, 0);
  glVertex2i(X + Width, Y);
  glTexCoord2f(1, 1);
  glVertex2i(X + Width, Y + Height);
  glTexCoord2f(0, 1);
  glVertex2i(X, Y + Height);
  glEnd();
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

void Button::draw(GLenum Mode) const {
  (void)Mode; // the picture is the pick area
  glCallList(ListId);
}
