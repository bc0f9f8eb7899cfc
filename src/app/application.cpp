// The Application object: builds everything the main loop works on and draws
// its frames.
#include "app/application.h"

#include <GL/freeglut.h>
#include <cstdio>

#include "app/canvas_picture.h"
#include "app/display.h"
#include "app/screen.h"
#include "editor/listing_scroll.h"
#include "exec/example_algorithm.h"

Application::Application(int ArgCount, char **Args, int32_t Seed, const std::string &ImageFolder,
                         ScreenSize Size)
    : Work(Seed), State(Work.variables()), Resources(std::make_unique<Screen>(ImageFolder)),
      Host(*this), Picks(Work, State), Editing(Work, State, Host, Picks, Storage) {
  (void)ArgCount;
  (void)Args;
  initGraphicsState();
  State.Screen = Size;
  glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
  // The example block is appended once: a learner sees one loop, not two.
  appendExampleBlock(Work.algorithm(), Work.variables());
  // Only a layer made at the screen's size knows whether the driver takes it.
  prepareFrame();
  std::fprintf(stderr, "%s\n", Resources->shapes().pathReport());
}

Application::~Application() = default;

void initGraphicsState() {
  glShadeModel(GL_SMOOTH);
  glDisable(GL_LIGHTING);
  glDisable(GL_AUTO_NORMAL);
  glDisable(GL_NORMALIZE);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_POLYGON_SMOOTH);
  glDisable(GL_FOG);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClear(GL_DEPTH_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
}

void Application::prepareFrame() {
  Resources->sync(State, Work.drawing());
  keepCurrentVisible(State.Listing, Work.algorithm());
}

void Application::drawFrame() {
  prepareFrame();
  Resources->LastFrameShowedGrid = State.GridVisible;
  display(Work, State, *Resources);
}

void Application::resize(ScreenSize Size) {
  // A minimised window reports no area; the last size still fits the
  // pointer when it comes back.
  if (Size.Width <= 0 || Size.Height <= 0)
    return;
  State.Screen = Size;
}

GrayImage Application::canvasPicture() { return takeCanvasPicture(Work, State, *Resources); }
