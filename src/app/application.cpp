// The Application object: builds everything the main loop works on.
#include "app/application.h"

#include <GL/freeglut.h>
#include <ctime>

#include "app/app_state.h"
#include "app/example_algorithm.h"
#include "app/glut_hooks.h"
#include "app/screen_layout.h"
#include "exec/drawing.h"
#include "exec/random.h"
#include "model/algorithm.h"
#include "model/text_format.h"

Application::Application(int ArgCount, char **Args) {
  (void)ArgCount;
  (void)Args;
  // The grid cell derives from the layout, not the screen: 20 x 20 units at
  // every resolution.
  app.cellWidth = app.cellHeight = static_cast<float>((app.layoutWidth / 2) / 25);
  buildScreen();
  app.algorithm = new Algorithm();
  app.drawing = new Drawing();
  installGlutHooks();
  initGraphicsState();
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

  app.screenWidth = glutGameModeGet(GLUT_GAME_MODE_WIDTH);
  app.screenHeight = glutGameModeGet(GLUT_GAME_MODE_HEIGHT);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);

  app.seedValue = static_cast<int>(std::time(nullptr));
  seedRandom(static_cast<uint32_t>(app.seedValue));
  app.seedText = formatText("%i", app.seedValue);

  app.interactionState = -1;
  glutSetCursor(GLUT_CURSOR_LEFT_ARROW);

  // The example block is appended once: a learner sees one loop, not two.
  appendExampleBlock(*app.algorithm);
  resetModeDefaults();
}
