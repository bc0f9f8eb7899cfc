// The alphabet atlas: 10 x 10 cells of dark glyphs on full transparency,
// each glyph inside the part of its cell that the text quads sample.
#ifndef QUOVADRIN_TOOLS_IMAGES_ATLAS_H
#define QUOVADRIN_TOOLS_IMAGES_ATLAS_H

#include "canvas.h"
#include "font.h"

/// Side of the atlas in pixels.
constexpr int AtlasSide = 1024;

Canvas makeAtlas(Font &Glyphs);

#endif
