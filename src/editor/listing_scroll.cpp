// The listing's scroll position.
#include "editor/listing_scroll.h"

#include "editor/editor_state.h"
#include "model/algorithm.h"

void keepCurrentVisible(EditorState &E, const Algorithm &A) {
  // Without a current command the algorithm is empty: the listing starts
  // at its top again, wherever it had been scrolled to.
  if (!A.current()) {
    E.ListingTop = 1;
    return;
  }
  int Position = 1;
  for (const Command *C = A.head(); C && C != A.current(); C = C->next())
    ++Position;
  if (Position < E.ListingTop)
    E.ListingTop = Position;
  if (Position > E.ListingTop + ListingVisibleLines - 1)
    E.ListingTop = Position - (ListingVisibleLines - 1);
}
