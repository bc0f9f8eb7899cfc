// The message popup's picture: one line of atlas text in a grey box on the
// canvas, compiled once into a display list. The window makes a new box
// whenever the editor raises a new message.
#ifndef QUOVADRIN_APP_MESSAGE_BOX_H
#define QUOVADRIN_APP_MESSAGE_BOX_H

#include <GL/gl.h>
#include <string>

class MessageBox {
public:
  /// Copies \p Text as it is (it is never a format) and compiles a box
  /// centred at (CentreX, CentreY) of the canvas, 7 units per character wide
  /// and 20 high. Needs a current OpenGL context.
  MessageBox(GLuint AtlasTexture, const std::string &Text, int CentreX, int CentreY);
  /// Frees the display list, so a replaced message leaves nothing behind.
  virtual ~MessageBox();
  MessageBox(const MessageBox &) = delete;
  MessageBox &operator=(const MessageBox &) = delete;

  /// Compiles the box and its text into the display list.
  void compile();
  /// Draws the box in GL_RENDER; the box is never picked, so any other mode
  /// draws nothing.
  void draw(GLenum Mode) const;

  GLuint listId() const { return ListId; }
  int x() const { return X; }
  int y() const { return Y; }
  int width() const { return Width; }
  int height() const { return Height; }
  const std::string &text() const { return Text; }
  GLuint texture() const { return Texture; }

private:
  GLuint ListId = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  std::string Text;
  GLuint Texture = 0;
};


#endif
