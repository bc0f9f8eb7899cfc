// Entry point: choose the largest full-screen mode the graphics system offers,
// report it, enter game mode and hand over to the GLUT main loop.
#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/application.h"
#include "app/glut_adapter.h"

namespace {

const char *const GameModes[] = {"1280x1024:32", "1152x864:32", "1024x768:32", "800x600:32"};

bool chooseGameMode() {
  for (const char *Mode : GameModes) {
    glutGameModeString(Mode);
    if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE))
      return true;
  }
  return false;
}

} // namespace

int main(int argc, char **argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  if (!chooseGameMode()) {
    std::printf("Bildschirmmodi werden von der Grafikkarte nicht unterstützt.\n");
    std::fflush(stdout);
    std::exit(1);
  }
  std::printf("Starte Quovadrin.\nBildschirmaufloesung %dx%d Pixel bei %d bit Farbtiefe und %d "
              "hertz\n",
              glutGameModeGet(GLUT_GAME_MODE_WIDTH), glutGameModeGet(GLUT_GAME_MODE_HEIGHT),
              glutGameModeGet(GLUT_GAME_MODE_PIXEL_DEPTH),
              glutGameModeGet(GLUT_GAME_MODE_REFRESH_RATE));
  // The report must reach a pipe before the window takes over.
  std::fflush(stdout);
  glutEnterGameMode();
  // The start time seeds the learner's random numbers and names the files.
  Application Quovadrin(argc, argv, static_cast<int32_t>(std::time(nullptr)));
  attachGlutCallbacks(Quovadrin);
  glutMainLoop();
  return 0;
}
