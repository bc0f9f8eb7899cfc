// The listing panel of a frame: the algorithm as German sentences, one line
// per command, indented by open repeat blocks, with the current command
// highlighted, and the two scroll strips. The scroll position is settled by
// the editor before a frame; describing it only reads it, and the walk over
// the commands reads the links only, so the algorithm's cursor stays where
// it was.
#ifndef QUOVADRIN_SCREEN_LISTING_FRAME_H
#define QUOVADRIN_SCREEN_LISTING_FRAME_H

#include "screen/draw_list.h"

class Algorithm;
struct EditorState;

void appendListingPanel(DrawListBuilder &Out, const Algorithm &A, const EditorState &E);

#endif
