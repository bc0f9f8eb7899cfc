// The Button's textured rectangle.
#include "app/button.h"

Button::Button(const std::string &IconPath, GLuint GivenListId, int GivenPickName, int GivenX,
               int GivenY, int GivenWidth, int GivenHeight)
    : Button(loadPngTexture(IconPath).name(), GivenListId, GivenPickName, GivenX, GivenY,
             GivenWidth, GivenHeight) {
  // Only here: a Label, made through the protected constructor, compiles its
  // own text instead.
  rebuild();
}

Button::Button(GLuint GivenTexture, GLuint GivenListId, int GivenPickName, int GivenX, int GivenY,
               int GivenWidth, int GivenHeight)
    : PickName(GivenPickName), ListId(GivenListId), X(GivenX), Y(GivenY), Width(GivenWidth),
      Height(GivenHeight), Texture(GivenTexture) {}

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
