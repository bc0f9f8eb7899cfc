// Text of the alphabet atlas in a frame: one textured quad per character,
// under a matrix that moves the text to its place and scales the atlas's
// 51-unit glyph cells down to the panel's size.
#ifndef QUOVADRIN_SCREEN_ATLAS_TEXT_H
#define QUOVADRIN_SCREEN_ATLAS_TEXT_H

#include "screen/draw_list.h"

/// Appends the quads of \p Text in the current colour, drawn with the atlas
/// under the matrix (X, Y) scaled by \p Scale, the pen starting at (PenX,
/// PenY) in the scaled units; a line break starts the next line at x = 0,
/// LineAdvance lower. Leaves the texture unset and the matrix at the identity.
void appendAtlasText(DrawListBuilder &Out, const char *Text, float X, float Y, float Scale,
                     float PenX, float PenY, float LineAdvance);

/// A grey rectangle from (X, Y), Width x Height, with an outline of width 2
/// in a dark, mostly transparent grey: the ground of the message popup and
/// the saved-file list. Leaves the colour white and the line width at 1.
void appendOutlinedPanel(DrawListBuilder &Out, int X, int Y, int Width, int Height);

#endif
