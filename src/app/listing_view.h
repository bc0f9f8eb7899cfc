// The listing panel on the right: the algorithm as German sentences, one line
// per command, indented by open repeat blocks, with the current command
// highlighted and kept in view, and the two scroll strips.
#ifndef QUOVADRIN_APP_LISTING_VIEW_H
#define QUOVADRIN_APP_LISTING_VIEW_H

class Algorithm;
class Command;

/// Lines the panel shows at once.
constexpr int ListingVisibleLines = 60;
/// Layout units of indentation per open repeat block.
constexpr int ListingIndentStep = 8;
/// Scale of the listing text: a glyph cell of 51 units becomes 8.16.
constexpr float ListingTextScale = 0.16f;

/// Sets the listing viewport and orthographic projection.
void setListingView();
/// Moves listingTop so that the current command lies within the visible
/// lines; leaves it alone when there is no current command.
void keepCurrentVisible();
/// Open repeat blocks around \p Target, counted from the first command: an
/// end stands at the level outside its block, as does a start.
int listingIndentLevel(const Algorithm &A, const Command *Target);
/// Draws the whole listing panel; the algorithm's cursor is not moved.
void drawListingPanel();

#endif
