// The tool panel's background: a grey-to-white gradient with twenty white
// decorative outlines, compiled once into display list 999. The outlines
// come from a generator of their own in its initial state, so every start
// shows the same pattern and no learner's random numbers are spent on it.
#ifndef QUOVADRIN_APP_BACKGROUND_H
#define QUOVADRIN_APP_BACKGROUND_H

#include <array>

#include "exec/point.h"

constexpr int BackgroundRectangleCount = 20;
/// Display-list name of the tool panel's background.
constexpr unsigned BackgroundListName = 999;

/// One decorative outline: its four corners in drawing order.
using OutlineCorners = std::array<Point, 4>;

/// The twenty outlines, drawn from a generator in the state 1.
std::array<OutlineCorners, BackgroundRectangleCount> backgroundRectangles();

/// Compiles the background into BackgroundListName and returns that name.
/// Needs a current OpenGL context.
unsigned compileBackground();

#endif
