// A textured rectangle of the tool panel or the pen menu, compiled into a
// display list. The same list is its picture and, in selection mode, its pick
// area, so what the learner sees is exactly what a click hits.
#ifndef QUOVADRIN_APP_BUTTON_H
#define QUOVADRIN_APP_BUTTON_H

#include <GL/gl.h>
#include <string>

class Button {
public:
  /// Loads the icon at \p IconPath and compiles the list \p ListId.
  Button(const std::string &IconPath, GLuint ListId, int PickName, int X, int Y, int Width,
         int Height);
  virtual ~Button();

  /// Draws the widget; \p Mode is the GL render mode in use (GL_RENDER or GL_SELECT).
  virtual void draw(GLenum Mode);
  /// Recompiles the display list after a change of place or text.
  virtual void rebuild();

  int pickName() const { return PickName; }
  GLuint listId() const { return ListId; }
  Button *next() const { return Next; }
  void setNext(Button *NewNext) { Next = NewNext; }
  int x() const { return X; }
  int y() const { return Y; }
  int width() const { return Width; }
  int height() const { return Height; }
  int texture() const { return Texture; }
  /// Moves the widget; the caller rebuilds it.
  void setPosition(int NewX, int NewY) {
    X = NewX;
    Y = NewY;
  }

protected:
  /// For widgets that bring their own texture and compile their own list.
  Button(int Texture, GLuint ListId, int PickName, int X, int Y, int Width, int Height);

  int PickName;
  GLuint ListId;
  int X, Y;
  int Width, Height;
  /// A texture name, or the failure value of loadPngTexture.
  int Texture;
  Button *Next = nullptr;
};

#endif
