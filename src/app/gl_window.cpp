// GLUT behind the editor's requests.
#include "app/gl_window.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/glut_adapter.h"
#include "exec/run.h"
#include "svg/svg_picture.h"

void GlWindow::postRedisplay() { glutPostRedisplay(); }

void GlWindow::drawNow() { App.drawFrame(); }

void GlWindow::setIdleStepping(bool On) { installIdleCallback(On); }

void GlWindow::armTimer(int Milliseconds, unsigned Generation) {
  installTimer(Milliseconds, Generation);
}

void GlWindow::setPassiveMotion(bool On) { installPassiveMotionCallback(On); }

void GlWindow::setMotion(bool On) { installMotionCallback(On); }

// The animation's pace is a count, as it always was: a step waits as long as
// the machine takes to count to its length.
void GlWindow::waitBetweenSteps(int Length) { (void)busyWait(Length); }

GrayImage GlWindow::canvasPicture() { return App.canvasPicture(); }

bool GlWindow::writeVectorPicture(const TextSink &Sink) {
  return writeDrawingSvg(App.session().drawing(), Sink);
}

void GlWindow::exit(int Status) {
  std::fflush(stdout);
  std::exit(Status);
}
