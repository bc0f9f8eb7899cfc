// The listing's scroll position and lines.
#include "editor/listing_scroll.h"

#include "model/algorithm.h"

void ListingState::forgetClicksWhenEmpty(const Algorithm &A) {
  if (A.commandCount() == 0)
    forgetClicks();
}

void keepCurrentVisible(ListingState &Listing, const Algorithm &A) {
  // Without a current command the algorithm is empty: the listing starts
  // at its top again, wherever it had been scrolled to.
  if (!A.current()) {
    Listing.Top = 1;
    return;
  }
  int Position = 1;
  for (const Command *C = A.head(); C && C != A.current(); C = C->next())
    ++Position;
  if (Position < Listing.Top)
    Listing.Top = Position;
  if (Position > Listing.Top + ListingVisibleLines - 1)
    Listing.Top = Position - (ListingVisibleLines - 1);
}

void selectLine(Algorithm &A, int Line) {
  A.rewind();
  for (int I = 1; I < Line; ++I)
    A.moveNext();
}

bool canScrollListing(const ListingState &Listing, const Algorithm &A, bool Up) {
  return Up ? Listing.Top > 1 : Listing.Top < A.commandCount();
}

void scrollListingOnce(ListingState &Listing, Algorithm &A, bool Up) {
  Listing.Top += Up ? -1 : 1;
  if (Up)
    A.movePrev();
  else
    A.moveNext();
}
