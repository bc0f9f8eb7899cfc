// A textured rectangle of the tool panel or the pen menu, compiled into a
// display list. The same list is its picture and, in selection mode, its pick
// area, so what the learner sees is exactly what a click hits.
#ifndef QUOVADRIN_APP_BUTTON_H
#define QUOVADRIN_APP_BUTTON_H

#include <GL/gl.h>
#include <string>

#include "gfx/png_texture.h"

class Button {
public:
  /// Loads the icon at \p IconPath and compiles the list \p ListId. An icon
  /// that cannot be loaded leaves an untextured rectangle of the same place.
  Button(const std::string &IconPath, GLuint ListId, int PickName, int X, int Y, int Width,
         int Height);
  virtual ~Button();

  /// Draws the widget; \p Mode is the GL render mode in use (GL_RENDER or GL_SELECT).
  virtual void draw(GLenum Mode) const;
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
  /// The icon's texture; 0 when the icon could not be loaded.
  GLuint texture() const { return Texture; }
  /// Moves the widget; the caller rebuilds it.
  void setPosition(int NewX, int NewY) {
    X = NewX;
    Y = NewY;
  }

protected:
  /// For widgets that bring their own texture and compile their own list.
  Button(GLuint Texture, GLuint ListId, int PickName, int X, int Y, int Width, int Height);

  int PickName;
  GLuint ListId;
  int X, Y;
  int Width, Height;
  GLuint Texture;
  Button *Next = nullptr;
};

#endif
