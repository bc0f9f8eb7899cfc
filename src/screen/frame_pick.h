// Picking from what was drawn: the hit regions a frame recorded for one
// panel are offered to the pick box in drawing order, and the panel's rule
// picks the winner among the hit records: the second hit in the tool panel,
// so that a small Label drawn over a larger Button and the saved-file list
// drawn over everything win, the first on the canvas and in the listing;
// more hits than the records hold are no hit at all.
#ifndef QUOVADRIN_SCREEN_FRAME_PICK_H
#define QUOVADRIN_SCREEN_FRAME_PICK_H

#include "editor/pick_result.h"
#include "editor/pointer_event.h"
#include "screen/draw_list.h"
#include "screen/pick_hits.h"

/// The hit records of the regions of panel \p Which in \p Frame that meet
/// the pick box \p Where on a screen laid out as \p Layout.
[[nodiscard]] PickHits regionHits(const DrawList &Frame, Panel Which, const WindowLayout &Layout,
                                  const PickPoint &Where);

/// What the pick finds there, by the panel's rule.
[[nodiscard]] PickResult pickFrame(const DrawList &Frame, Panel Which, const WindowLayout &Layout,
                                   const PickPoint &Where);

#endif
