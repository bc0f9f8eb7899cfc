// The listing panel on the right: the algorithm as German sentences, one line
// per command, indented by open repeat blocks, with the current command
// highlighted, and the two scroll strips. The scroll position is settled by
// the editor before a frame; drawing only reads it.
#ifndef QUOVADRIN_APP_LISTING_VIEW_H
#define QUOVADRIN_APP_LISTING_VIEW_H

#include <GL/gl.h>

class Algorithm;
struct EditorState;

/// Where line 0 of the listing starts, and the height of each line, in the
/// panel's layout units; drawing and picking use the same rows.
constexpr float ListingLineTop = 25.0f;
constexpr float ListingLinePitch = 10.0f;
/// Layout units of indentation per open repeat block.
constexpr int ListingIndentStep = 8;
/// Scale of the listing text: a glyph cell of 51 units becomes 8.16.
constexpr float ListingTextScale = 0.16f;

/// Draws the whole listing panel; the algorithm's cursor is not moved.
void drawListingPanel(const Algorithm &A, const EditorState &E, GLuint AtlasTexture);

#endif
