// The canvas snapshot: a rectangle of the window read back from OpenGL and
// saved as an 8-bit grey PNG of its red component.
#ifndef QUOVADRIN_GFX_PNG_SNAPSHOT_H
#define QUOVADRIN_GFX_PNG_SNAPSHOT_H

#include <string>

/// Reads the rectangle with its lower-left corner at window pixel (X, Y) from
/// the back buffer and writes it to \p Path, top row first. 0 on success, -1
/// when the file cannot be written, 2, 3 or 4 when libpng fails. Needs the
/// window's context to be current.
int writeGrayPng(const std::string &Path, int X, int Y, int Width, int Height);

/// The save's picture: draws the canvas as the last frame showed it into the
/// back buffer (app.hooks.drawCanvasForPicture), then writeGrayPng.
int writeCanvasPicture(const std::string &Path, int X, int Y, int Width, int Height);

#endif
