// Selection-mode picking for the GL tests: draws pickable things under a tiny
// pick box at the centre of a pixel and returns the names hit, in the
// order the GL reports them.
#ifndef QUOVADRIN_TESTS_GL_GL_PICK_SUPPORT_H
#define QUOVADRIN_TESTS_GL_GL_PICK_SUPPORT_H

#include <GL/gl.h>
#include <GL/glu.h>

#include <functional>
#include <vector>

/// Starts selection mode into \p Buffer of \p Size entries, with one
/// name on the stack for glLoadName to replace.
inline void startSelection(GLuint *Buffer, int Size) {
  glSelectBuffer(Size, Buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
}

/// Pushes a projection that maps the pick region of Side x Side pixels
/// around (X, Y) (from the viewport's bottom left) onto the view, with
/// layout units from 0 to ViewWidth and ViewHeight to 0, and loads the
/// identity into the modelview matrix.
inline void pushPickProjection(double X, double Y, double Side, GLint *Viewport, double ViewWidth,
                               double ViewHeight) {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPickMatrix(X, Y, Side, Side, Viewport);
  gluOrtho2D(0, ViewWidth, ViewHeight, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

/// Pops the pick projection; back in the modelview matrix.
inline void popPickProjection() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

/// Picks at pixel (X, Y) from the top left of a viewport of Width x Height
/// pixels at the window's bottom-left corner, whose layout units equal its
/// pixels. \p Draw loads the names and draws in GL_SELECT mode.
inline std::vector<GLuint> pickNamesAt(int Width, int Height, int X, int Y,
                                       const std::function<void()> &Draw) {
  GLuint Buffer[256];
  glViewport(0, 0, Width, Height);
  GLint Viewport[4];
  glGetIntegerv(GL_VIEWPORT, Viewport);
  startSelection(Buffer, 256);
  // Half a pixel wide, so that an edge on the pixel border is not a hit.
  pushPickProjection(X + 0.5, Height - (Y + 0.5), 0.5, Viewport, Width, Height);
  Draw();
  popPickProjection();
  const GLint Hits = glRenderMode(GL_RENDER);
  std::vector<GLuint> Names;
  GLuint *Record = Buffer;
  for (GLint I = 0; I < Hits; ++I) {
    const GLuint Count = Record[0];
    for (GLuint N = 0; N < Count; ++N)
      Names.push_back(Record[3 + N]);
    Record += 3 + Count;
  }
  return Names;
}

#endif
