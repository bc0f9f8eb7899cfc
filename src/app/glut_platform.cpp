// GLUT and OpenGL behind the host's requests.
#include "app/glut_platform.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

#include "app/glut_adapter.h"
#include "app/screen.h"
#include "exec/run.h"
#include "host/host.h"

void GlutPlatform::drawFrame() {
  Widgets.draw(Lab->frame(), Lab->session().drawing(), Lab->layout());
  glutSwapBuffers();
}

void GlutPlatform::requestFrame() { glutPostRedisplay(); }

void GlutPlatform::setIdleStepping(bool On) { installIdleCallback(On); }

void GlutPlatform::armTimer(int Milliseconds, unsigned Generation) {
  installTimer(Milliseconds, Generation);
}

void GlutPlatform::setMotion(bool On) { installMotionCallback(On); }

void GlutPlatform::setPassiveMotion(bool On) { installPassiveMotionCallback(On); }

// The animation's pace is a count, as it always was: a step waits as long as
// the machine takes to count to its length.
void GlutPlatform::waitBetweenSteps(int Length) { (void)busyWait(Length); }

GrayImage GlutPlatform::readCanvas(const DrawList &CanvasPicture) {
  return Widgets.readCanvas(CanvasPicture, Lab->session().drawing(), Lab->layout());
}

void GlutPlatform::exit(int Status) {
  std::fflush(stdout);
  std::exit(Status);
}
