// Selection-mode picking for the GL tests: draws pickable things under a tiny
// pick box at the centre of a pixel and returns the names hit, in the
// order the GL reports them.
#ifndef QUOVADRIN_TESTS_GL_GL_PICK_SUPPORT_H
#define QUOVADRIN_TESTS_GL_GL_PICK_SUPPORT_H

#include <GL/gl.h>
#include <GL/glu.h>

#include <functional>
#include <vector>

/// Picks at pixel (X, Y) from the top left of a viewport of Width x Height
/// pixels at the window's bottom-left corner, whose layout units equal its
/// pixels. \p Draw loads the names and draws in GL_SELECT mode.
inline std::vector<GLuint> pickNamesAt(int Width, int Height, int X, int Y,
                                       const std::function<void()> &Draw) {
  GLuint Buffer[256];
  glViewport(0, 0, Width, Height);
  GLint Viewport[4];
  glGetIntegerv(GL_VIEWPORT, Viewport);
  glSelectBuffer(256, Buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  // Half a pixel wide, so that an edge on the pixel border is not a hit.
  gluPickMatrix(X + 0.5, Height - (Y + 0.5), 0.5, 0.5, Viewport);
  gluOrtho2D(0, Width, Height, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  Draw();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
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
