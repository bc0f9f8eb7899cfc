// Reading pixels back from the window: the red component of a rectangle of
// the back buffer, which the saved canvas picture is made of.
#ifndef QUOVADRIN_GFX_READ_BACK_H
#define QUOVADRIN_GFX_READ_BACK_H

#include <vector>

/// The red values (0 to 1) of the Width x Height rectangle whose lower-left
/// corner is window pixel (X, Y), bottom row first as OpenGL delivers them.
/// Empty for an empty rectangle. Needs the window's context to be current.
std::vector<float> readBackRed(int X, int Y, int Width, int Height);

#endif
