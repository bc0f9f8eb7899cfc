// Start-up of the program after game mode is entered: the screen, the
// algorithm, the drawing, the OpenGL state and every AppState default.
#ifndef QUOVADRIN_APP_APPLICATION_H
#define QUOVADRIN_APP_APPLICATION_H

class Application {
public:
  Application(int ArgCount, char **Args);
  virtual ~Application();
};

/// Fixed GL state, the real screen size, the seed and the example algorithm.
void initGraphicsState();

#endif
