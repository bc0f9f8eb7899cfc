// The listing panel on the right: the algorithm as German sentences, one line
// per command, indented by open repeat blocks, with the current command
// highlighted, and the two scroll strips. The scroll position is settled by
// the editor before a frame; drawing only reads it.
#ifndef QUOVADRIN_APP_LISTING_VIEW_H
#define QUOVADRIN_APP_LISTING_VIEW_H

#include <GL/gl.h>

#include "screen/screen_layout.h"

class Algorithm;
struct EditorState;


/// Draws the whole listing panel; the algorithm's cursor is not moved.
void drawListingPanel(const Algorithm &A, const EditorState &E, GLuint AtlasTexture);

#endif
