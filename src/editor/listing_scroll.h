// Keeping the current command of the listing in view: the window runs this
// before it draws a frame, so a frame never has to move the listing itself.
#ifndef QUOVADRIN_EDITOR_LISTING_SCROLL_H
#define QUOVADRIN_EDITOR_LISTING_SCROLL_H

class Algorithm;
struct EditorState;

/// Lines the listing shows at once.
constexpr int ListingVisibleLines = 60;

/// Moves ListingTop so that the current command lies within the visible
/// lines; back to 1 when there is no current command.
void keepCurrentVisible(EditorState &E, const Algorithm &A);

#endif
