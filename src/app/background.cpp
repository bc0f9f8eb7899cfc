// The background pattern and its display list.
#include "app/background.h"

#include <GL/gl.h>
#include <algorithm>

#include "editor/screen_space.h"
#include "exec/random.h"

std::array<OutlineCorners, BackgroundRectangleCount> backgroundRectangles() {
  RandomGenerator Random(1);
  const auto Fw = static_cast<float>(LayoutWidth / 5 - 10);
  const auto Fh = static_cast<float>(LayoutHeight / 10 - 10);
  std::array<OutlineCorners, BackgroundRectangleCount> Result;
  for (OutlineCorners &Corners : Result) {
    const float X = static_cast<float>(Random.nextRandom() % 20) * (Fw / 20) + 10;
    const float Y = static_cast<float>(Random.nextRandom() % 40) * (Fh / 40) + 10;
    const float A = std::min(static_cast<float>(Random.nextRandom() % 10) * (Fw / 30), X);
    const float B = std::min(static_cast<float>(Random.nextRandom() % 10) * (Fh / 30), Y);
    Corners = {Point{X + 10, Y + 10}, Point{A + 10, Y + 10}, Point{A + 10, B + 10},
               Point{X + 10, B + 10}};
  }
  return Result;
}

unsigned compileBackground() {
  glNewList(BackgroundListName, GL_COMPILE);
  glBegin(GL_POLYGON);
  glColor4f(0.6f, 0.6f, 0.6f, 1);
  glVertex2i(0, 0);
  glVertex2i(0, 768);
  glColor4f(1, 1, 1, 1);
  glVertex2i(256, 768);
  glVertex2i(256, 0);
  glEnd();
  glColor4f(1, 1, 1, 1);
  for (const OutlineCorners &Corners : backgroundRectangles()) {
    glBegin(GL_LINE_LOOP);
    for (const Point &Corner : Corners)
      glVertex2f(Corner.x, Corner.y);
    glEnd();
  }
  glEndList();
  return BackgroundListName;
}
