// Milliseconds per frame of the whole display (tool panel, canvas, listing)
// for Drawings of 1,000 and 10,000 mixed Shapes: every kind, polylines of
// 27 points, randomly placed. Run it through run_display_bench.sh, which
// starts a private Xvfb and a working directory with the images.
#include <GL/freeglut.h>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/display.h"
#include "app/screen.h"
#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "exec/drawing.h"
#include "exec/immediate_run.h"
#include "exec/session.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

constexpr int DrawKinds[] = {1, 2, 3, 7, 8, 9, 10, 11, 12};

// A loop whose every pass places the pen at random and draws each kind once.
void buildMixedAlgorithm(Session &S, int Shapes) {
  S.adopt(std::make_unique<Algorithm>(), UserVariables());
  Algorithm &A = S.algorithm();
  VariableSet &Vars = S.variables();
  A.appendArithmetic(&Vars.max(), ArithmeticOp::Give, 24);
  A.appendArithmetic(&Vars.min(), ArithmeticOp::Give, 0);
  A.appendArithmetic(&Vars.n(), ArithmeticOp::Give, 27);
  A.appendRepeatStart(Shapes / 9);
  A.appendRandom(&Vars.x(), &Vars.max(), &Vars.min());
  A.appendRandom(&Vars.y(), &Vars.max(), &Vars.min());
  for (int Kind : DrawKinds)
    A.appendDraw(Kind);
  A.appendRepeatEnd();
  for (int I = 0; I < Shapes % 9; ++I)
    A.appendDraw(DrawKinds[I]);
}

// A frame as the program draws it: the widgets and the listing's scroll
// position are brought up to date first.
void drawFrame(const Session &S, EditorState &E, Screen &Widgets) {
  Widgets.sync(E, S.drawing());
  keepCurrentVisible(E, S.algorithm());
  display(S, E, Widgets);
}

double millisecondsPerFrame(const Session &S, EditorState &E, Screen &Widgets, int Frames) {
  for (int I = 0; I < 3; ++I)
    drawFrame(S, E, Widgets);
  glFinish();
  auto Start = std::chrono::steady_clock::now();
  for (int I = 0; I < Frames; ++I) {
    drawFrame(S, E, Widgets);
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
  Session S(1);
  EditorState E(S.variables());
  E.Screen = {1280, 1024};
  Screen Widgets(E);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClearColor(1, 1, 1, 1);
  std::printf("display, 1280 x 1024, Mesa software rendering under Xvfb\n");
  for (int Shapes : {1000, 10000}) {
    buildMixedAlgorithm(S, Shapes);
    runWholeAlgorithm(S);
    for (bool Grid : {true, false}) {
      E.GridVisible = Grid;
      std::printf("%6d shapes, %s: %8.2f ms per frame\n", S.drawing().count(),
                  Grid ? "grid, grey " : "plain, black",
                  millisecondsPerFrame(S, E, Widgets, Shapes > 5000 ? 5 : 20));
    }
  }
  return 0;
}
