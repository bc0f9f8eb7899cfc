// The listing panel's state: the first line shown, the line last pressed
// and whether the current line is open for editing. Command numbers start at
// 1 again whenever the algorithm is emptied or replaced, so a press
// remembered from before must be forgotten then.
#ifndef QUOVADRIN_EDITOR_LISTING_STATE_H
#define QUOVADRIN_EDITOR_LISTING_STATE_H

class Algorithm;

struct ListingState {
  /// 1-based index of the first listing line shown.
  int Top = 1;
  /// The command last pressed in the listing; a second press on it opens it.
  int LastClick = 0;
  /// The current listing line is open for editing.
  bool CommandEditing = false;

  /// The algorithm was replaced: no line counts as pressed or open.
  void forgetClicks() {
    LastClick = 0;
    CommandEditing = false;
  }
  /// The same once \p A has become empty.
  void forgetClicksWhenEmpty(const Algorithm &A);
};

#endif
