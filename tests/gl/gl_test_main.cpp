// Runs the GL tests inside one GLUT window of 1024 x 768 pixels, so that every
// test has a current OpenGL context with a double-buffered RGB visual like the
// program's. Tests draw into the back buffer and read it back.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "gl_test_support.h"

int main(int argc, char **argv) {
  testing::InitGoogleTest(&argc, argv);
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutInitWindowSize(GlTestWindowWidth, GlTestWindowHeight);
  glutCreateWindow("quovadrin gl tests");
  glReadBuffer(GL_BACK);
  glDrawBuffer(GL_BACK);
  return RUN_ALL_TESTS();
}
