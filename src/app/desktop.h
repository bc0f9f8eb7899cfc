// The desktop program once its window is open: the window's Screen, the
// GLUT platform and the host, put together and handed to GLUT's main loop.
#ifndef QUOVADRIN_APP_DESKTOP_H
#define QUOVADRIN_APP_DESKTOP_H

#include <cstdint>
#include <string>

#include "editor/window_layout.h"

/// Builds the screen with the images below \p ImageFolder, sets the fixed
/// GL state, starts the laboratory at \p Size pixels with \p Seed (which
/// seeds the random generator and names the saved files), says on stderr
/// how the Shapes are drawn, and runs GLUT's main loop, which never
/// returns.
[[noreturn]] void runDesktop(int32_t Seed, const std::string &ImageFolder, ScreenSize Size);

#endif
