// GLUT behind the editor's requests.
#include "app/gl_window.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/glut_adapter.h"
#include "svg/svg_picture.h"

void GlWindow::postRedisplay() { glutPostRedisplay(); }

void GlWindow::drawNow() { App.drawFrame(); }

void GlWindow::setIdleStepping(bool On) { installIdleCallback(On); }

void GlWindow::armTimer(int Milliseconds, unsigned Generation) {
  installTimer(Milliseconds, Generation);
}

void GlWindow::setPassiveMotion(bool On) { installPassiveMotionCallback(On); }

void GlWindow::setMotion(bool On) { installMotionCallback(On); }

FileResult GlWindow::writeCanvasPicture(const std::string &Path, const FileFaultPlan &Faults) {
  return App.writeCanvasPicture(Path, Faults);
}

bool GlWindow::writeVectorPicture(const std::string &Path, const FileFaultPlan &Faults) {
  return ::writeVectorPicture(App.session().drawing(), Path, Faults);
}

void GlWindow::exit(int Status) {
  std::fflush(stdout);
  std::exit(Status);
}
