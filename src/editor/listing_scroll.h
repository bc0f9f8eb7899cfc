// The listing's position: which line is shown first, which command a line
// is, and keeping the current command in view. The host runs
// keepCurrentVisible before every event and every frame, so a frame never
// has to move the listing itself and a pick sees the lines it shows.
#ifndef QUOVADRIN_EDITOR_LISTING_SCROLL_H
#define QUOVADRIN_EDITOR_LISTING_SCROLL_H

#include "editor/listing_state.h"

class Algorithm;

/// Lines the listing shows at once.
constexpr int ListingVisibleLines = 60;

/// Moves the listing's top so that the current command lies within the
/// visible lines; back to 1 when there is no current command.
void keepCurrentVisible(ListingState &Listing, const Algorithm &A);

/// Line \p Line (the k-th command counted from the first) becomes current.
void selectLine(Algorithm &A, int Line);

/// Whether the listing can scroll one line up (or down).
bool canScrollListing(const ListingState &Listing, const Algorithm &A, bool Up);

/// One line up or down; the cursor moves along, so that keeping the current
/// command in view does not undo the scroll.
void scrollListingOnce(ListingState &Listing, Algorithm &A, bool Up);

#endif
