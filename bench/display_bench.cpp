// Milliseconds per frame of the whole display (tool panel, canvas, listing)
// for Drawings of 0, 1,000 and 10,000 mixed Shapes (every kind, polylines of
// 27 points, randomly placed), per animated step (one new Shape and a frame),
// and for drawing a whole Drawing into the shape layer; each once through the
// shape layer and once drawing every Shape in every frame, the path without
// framebuffer objects. The figures are medians, so that a busy machine
// disturbs them less. Run it through run_display_bench.sh, which starts a
// private Xvfb and a working directory with the images.
#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/screen.h"
#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "exec/drawing.h"
#include "exec/immediate_run.h"
#include "exec/session.h"
#include "exec/shape_creation.h"
#include "model/algorithm.h"
#include "model/variable.h"
#include "screen/screen_frame.h"

namespace {

constexpr int DrawKinds[] = {1, 2, 3, 7, 8, 9, 10, 11, 12};
constexpr int DrawKindCount = sizeof(DrawKinds) / sizeof(DrawKinds[0]);
/// Number of the first draw command of the mixed algorithm: after the
/// three givens, the repeat start and the two random values.
constexpr int FirstDrawCommand = 7;

// A loop whose every pass places the pen at random and draws each kind once.
void buildMixedAlgorithm(Session &S, int Shapes) {
  S.adopt(std::make_unique<Algorithm>(), UserVariables());
  Algorithm &A = S.algorithm();
  VariableSet &Vars = S.variables();
  A.appendArithmetic(&Vars.max(), ArithmeticOp::Give, 24);
  A.appendArithmetic(&Vars.min(), ArithmeticOp::Give, 0);
  A.appendArithmetic(&Vars.n(), ArithmeticOp::Give, 27);
  A.appendRepeatStart(Shapes / DrawKindCount);
  A.appendRandom(&Vars.x(), &Vars.max(), &Vars.min());
  A.appendRandom(&Vars.y(), &Vars.max(), &Vars.min());
  for (int Kind : DrawKinds)
    A.appendDraw(Kind);
  A.appendRepeatEnd();
  for (int I = 0; I < Shapes % DrawKindCount; ++I)
    A.appendDraw(DrawKinds[I]);
}

/// One way of drawing the screen: its own widgets and shape layer.
struct Program {
  Session Work{1};
  EditorState State{Work.variables()};
  std::unique_ptr<Screen> Resources;
  DrawList Described;
  explicit Program(bool CacheShapes) {
    State.Layout = WindowLayout(ScreenSize{1280, 1024});
    Resources = std::make_unique<Screen>("", CacheShapes);
  }
  /// A frame as the program draws it: the listing's scroll position
  /// settled, the frame described, then drawn with the shape layer brought
  /// up to date, and shown.
  void frame() {
    keepCurrentVisible(State.Listing, Work.algorithm());
    buildFrame(Described, Work, State);
    Resources->draw(Described, Work.drawing(), State.Layout);
    glutSwapBuffers();
    glFinish();
  }
  /// What a run's step does on arriving at a draw command: a new Shape of
  /// the next kind, then a frame.
  void animatedStep(int Step) {
    Work.algorithm().select(FirstDrawCommand + Step % DrawKindCount);
    createShapeForCurrent(Work);
    frame();
  }
  /// A Drawing of \p Shapes mixed Shapes, as an immediate run leaves it.
  void fill(int Shapes) {
    buildMixedAlgorithm(Work, Shapes);
    // A loop runs its body at least once: no run leaves an empty Drawing.
    if (Shapes > 0)
      runWholeAlgorithm(Work);
    else
      Work.drawing().clear();
  }
};

/// Milliseconds per call, gathered over rounds; the median is the figure.
class Timings {
public:
  void time(const std::function<void()> &Work) {
    const auto Start = std::chrono::steady_clock::now();
    Work();
    Spent.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start)
            .count());
  }
  double median() const {
    std::vector<double> Sorted = Spent;
    std::sort(Sorted.begin(), Sorted.end());
    return Sorted[Sorted.size() / 2];
  }

private:
  std::vector<double> Spent;
};

constexpr int Sizes[] = {0, 1000, 10000};
constexpr int SizeCount = 3;
/// Rounds per figure: fewer where a frame takes half a second.
constexpr int LayerRounds = 21;
constexpr int DirectRounds = 5;

/// One path's figures, measured in rounds that visit every Drawing size in
/// turn, so that a machine busy with other work slows all of them alike.
struct PathFigures {
  double Frame[SizeCount][2] = {}; // by Drawing size and grid, plain
  double Step[2] = {};             // with 0 and 10,000 Shapes
  double Fill = 0;                 // the layer filled with 10,000 Shapes
};

PathFigures measure(bool CacheShapes, const char *Prefix) {
  const int Rounds = CacheShapes ? LayerRounds : DirectRounds;
  std::vector<std::unique_ptr<Program>> Programs;
  for (int Size : Sizes) {
    Programs.push_back(std::make_unique<Program>(CacheShapes));
    Programs.back()->fill(Size);
  }
  PathFigures F;
  for (int Mode = 0; Mode < 2; ++Mode) {
    Timings Frames[SizeCount];
    for (auto &P : Programs) {
      P->State.GridVisible = Mode == 0;
      // The first frame after a run fills the layer; the renderer compiles
      // its shaders in the first few.
      for (int I = 0; I < 3; ++I)
        P->frame();
    }
    for (int Round = 0; Round < Rounds; ++Round)
      for (int Size = 0; Size < SizeCount; ++Size)
        Frames[Size].time([&] { Programs[Size]->frame(); });
    for (int Size = 0; Size < SizeCount; ++Size) {
      F.Frame[Size][Mode] = Frames[Size].median();
      std::printf("%sdisplay: %d shapes, %s: %.2f ms per frame\n", Prefix, Sizes[Size],
                  Mode == 0 ? "grid" : "plain", F.Frame[Size][Mode]);
    }
  }
  // A run shows the grid until it ends.
  Timings Steps[2];
  for (auto &P : Programs)
    P->State.GridVisible = true;
  for (int Round = 0; Round < Rounds; ++Round)
    for (int Which = 0; Which < 2; ++Which)
      Steps[Which].time([&] { Programs[Which * 2]->animatedStep(Round); });
  for (int Which = 0; Which < 2; ++Which) {
    F.Step[Which] = Steps[Which].median();
    std::printf("%sanimated step: %d shapes: %.2f ms per step\n", Prefix, Sizes[Which * 2],
                F.Step[Which]);
  }
  return F;
}

/// Milliseconds to draw a whole Drawing of 10,000 Shapes into the layer
/// once, as after an immediate run or a load, and of a frame that draws
/// every Shape (grid) in the same rounds.
void measureFill(double &Fill, double &DirectFrame) {
  Program Layer(true), Direct(false);
  Layer.State.GridVisible = Direct.State.GridVisible = true;
  Direct.fill(Sizes[2]);
  Layer.frame();
  Direct.frame();
  Timings Fills, Frames;
  for (int Round = 0; Round < DirectRounds; ++Round) {
    Layer.fill(Sizes[2]);
    Fills.time([&] {
      Layer.Resources->sync(Layer.Work.drawing(), Layer.State.Layout);
      glFinish();
    });
    Frames.time([&] { Direct.frame(); });
  }
  Fill = Fills.median();
  DirectFrame = Frames.median();
  std::printf("layer fill: %d shapes: %.2f ms, beside a frame drawing every Shape: %.2f ms\n",
              Sizes[2], Fill, DirectFrame);
}

void checkRatio(const char *What, double Ratio, double Limit) {
  std::printf("target: %s = %.2f (at most %.1f): %s\n", What, Ratio, Limit,
              Ratio <= Limit ? "holds" : "MISSED");
}

} // namespace

int main(int argc, char **argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(1280, 1024);
  glutCreateWindow("quovadrin display benchmark");
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClearColor(1, 1, 1, 1);
  std::printf("display, 1280 x 1024, Mesa software rendering under Xvfb\n");
  std::printf("-- through the shape layer\n");
  const PathFigures Layer = measure(true, "");
  double Fill = 0, DirectFrame = 0;
  measureFill(Fill, DirectFrame);
  std::printf("-- every Shape in every frame (without framebuffer objects)\n");
  measure(false, "direct ");
  checkRatio("frame with 10000 shapes / with none, grid", Layer.Frame[2][0] / Layer.Frame[0][0],
             1.5);
  checkRatio("frame with 10000 shapes / with none, plain", Layer.Frame[2][1] / Layer.Frame[0][1],
             1.5);
  checkRatio("step with 10000 shapes / with none", Layer.Step[1] / Layer.Step[0], 1.5);
  checkRatio("layer fill of 10000 shapes / frame drawing every Shape", Fill / DirectFrame, 1.0);
  return 0;
}
