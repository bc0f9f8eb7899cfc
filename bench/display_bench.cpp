// Milliseconds per frame of the whole display (tool panel, canvas, listing)
// for Drawings of 1,000 and 10,000 mixed Shapes: every kind, polylines of
// 27 points, randomly placed. Run it through run_display_bench.sh, which
// starts a private Xvfb and a working directory with the images.
#include <GL/freeglut.h>
#include <chrono>
#include <cstdio>

#include "app/app_state.h"
#include "app/display.h"
#include "app/screen_layout.h"
#include "exec/drawing.h"
#include "exec/immediate_run.h"
#include "exec/random.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

constexpr int DrawKinds[] = {1, 2, 3, 7, 8, 9, 10, 11, 12};

// A loop whose every pass places the pen at random and draws each kind once.
void buildMixedAlgorithm(int Shapes) {
  delete app.algorithm;
  app.algorithm = new Algorithm();
  Algorithm &A = *app.algorithm;
  A.appendArithmetic(app.max, ArithmeticOp::Give, 24);
  A.appendArithmetic(app.min, ArithmeticOp::Give, 0);
  A.appendArithmetic(app.n, ArithmeticOp::Give, 27);
  A.appendRepeatStart(Shapes / 9);
  A.appendRandom(app.x, app.max, app.min);
  A.appendRandom(app.y, app.max, app.min);
  for (int Kind : DrawKinds)
    A.appendDraw(Kind);
  A.appendRepeatEnd();
  for (int I = 0; I < Shapes % 9; ++I)
    A.appendDraw(DrawKinds[I]);
}

double millisecondsPerFrame(int Frames) {
  for (int I = 0; I < 3; ++I)
    display();
  glFinish();
  auto Start = std::chrono::steady_clock::now();
  for (int I = 0; I < Frames; ++I) {
    display();
    glFinish();
  }
  std::chrono::duration<double, std::milli> Spent = std::chrono::steady_clock::now() - Start;
  return Spent.count() / Frames;
}

} // namespace

int main(int argc, char **argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(1280, 1024);
  glutCreateWindow("quovadrin display benchmark");
  app.screenWidth = 1280;
  app.screenHeight = 1024;
  buildScreen();
  app.drawing = new Drawing();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClearColor(1, 1, 1, 1);
  seedRandom(1);
  std::printf("display, 1280 x 1024, Mesa software rendering under Xvfb\n");
  for (int Shapes : {1000, 10000}) {
    buildMixedAlgorithm(Shapes);
    runWholeAlgorithm();
    for (int Grid : {1, 0}) {
      app.gridVisible = Grid;
      std::printf("%6d shapes, %s: %8.2f ms per frame\n", app.drawing->count(),
                  Grid ? "grid, grey " : "plain, black",
                  millisecondsPerFrame(Shapes > 5000 ? 5 : 20));
    }
  }
  return 0;
}
