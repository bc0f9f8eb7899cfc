// The grey outlined panel under the message popup and the saved-file list,
// and their atlas text. Both widgets compile these calls into their own
// display lists, so the two look alike.
#ifndef QUOVADRIN_APP_ATLAS_PANEL_H
#define QUOVADRIN_APP_ATLAS_PANEL_H

#include <GL/gl.h>

#include "screen/screen_layout.h"

/// A filled polygon over the rectangle from (X, Y), Width x Height, in the
/// current colour; also a pick area in selection mode.
void emitFilledRectangle(int X, int Y, int Width, int Height);

/// A grey rectangle from (X, Y), Width x Height, with an outline of width 2
/// in a dark, mostly transparent grey. Leaves the line width at 1.
void emitOutlinedPanel(int X, int Y, int Width, int Height);

/// Emits \p Text scaled by PanelTextScale from the corner (X, Y), the pen
/// starting at (PenX, PenY) in the scaled units. Texturing must be enabled;
/// binds \p Texture and leaves the modelview matrix as it found it.
void emitPanelText(GLuint Texture, int X, int Y, const char *Text, float PenX, float PenY,
                   float LineAdvance);

#endif
