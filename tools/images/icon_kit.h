// The common look of the icons: colours, button tiles, badges, text in design
// units, and writing an icon file.
#ifndef QUOVADRIN_TOOLS_IMAGES_ICON_KIT_H
#define QUOVADRIN_TOOLS_IMAGES_ICON_KIT_H

#include <string>

#include "canvas.h"
#include "font.h"
#include "shapes.h"

namespace palette {
const Rgba Ink = rgb(34, 44, 66);
const Rgba Grid = rgb(150, 160, 178, 0.55f);
const Rgba Blue = rgb(38, 104, 196);
const Rgba Orange = rgb(226, 122, 24);
const Rgba Green = rgb(40, 150, 72);
const Rgba Red = rgb(196, 48, 40);
const Rgba White = rgb(255, 255, 255);
const Rgba Paper = rgb(252, 252, 250);
const Rgba Yellow = rgb(242, 190, 60);
} // namespace palette

/// A canvas for an icon of \p Width x \p Height layout units.
Canvas iconCanvas(int PixelWidth, int PixelHeight, float Width, float Height);

/// A rounded button tile with a soft vertical shade and a frame.
void drawTile(Canvas &Icon, float X0, float Y0, float X1, float Y1, Rgba Top, Rgba Bottom,
              Rgba Frame);

/// Text in design units, pen starting at (X, Baseline).
void drawText(Canvas &Icon, Font &Glyphs, const std::string &Text, float X, float Baseline,
              float Em, float Bold, Rgba Colour);
float textWidth(Canvas &Icon, Font &Glyphs, const std::string &Text, float Em, float Bold);

/// The "=" of absolute values and the "±" of differences, centred at \p C.
void drawEquals(Canvas &Icon, Vec C, float Size, Rgba Colour);
void drawPlusMinus(Canvas &Icon, Vec C, float Size, Rgba Colour);

/// Writes the icon under \p Dir; exits the tool when it cannot.
void saveIcon(const std::string &Dir, const std::string &Name, const Canvas &Icon);

#endif
