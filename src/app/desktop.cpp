// Putting the desktop program together.
#include "app/desktop.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

#include "app/glut_adapter.h"
#include "app/glut_platform.h"
#include "app/screen.h"
#include "host/host.h"

void runDesktop(int32_t Seed, const std::string &ImageFolder, ScreenSize Size) {
  // The program lives as long as the process: GLUT's main loop never
  // returns, and the end of the program ends the process from within it,
  // so nothing here is ever torn down.
  Screen Resources(ImageFolder);
  initGraphicsState();
  glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
  GlutPlatform Window(Resources);
  Host Laboratory(Seed, Window, Size);
  Window.serve(Laboratory);
  // Only a layer made at the screen's size knows whether the driver takes it.
  Resources.sync(Laboratory.session().drawing(), Laboratory.layout());
  std::fprintf(stderr, "%s\n", Resources.shapes().pathReport());
  attachGlutCallbacks(Window);
  glutMainLoop();
  std::exit(0);
}
