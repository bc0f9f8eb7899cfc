// The listing panel: a press selects a line, a second press on the same
// line opens it for editing and a third closes it; a held line is dragged
// to a new place or out of the panel to delete it; the two strips scroll;
// the right button previews the picture at once, up to a line or as a whole.
#ifndef QUOVADRIN_EDITOR_LISTING_CONTROLLER_H
#define QUOVADRIN_EDITOR_LISTING_CONTROLLER_H

#include "editor/editor_context.h"
#include "editor/mouse_event.h"
#include "editor/pick_result.h"

class HoldController;
class LabelController;

struct ListingState {
  /// 1-based index of the first listing line shown.
  int Top = 1;
  /// The command last pressed in the listing; a second press on it opens it.
  int LastClick = 0;
  /// The current listing line is open for editing.
  bool CommandEditing = false;
};

class ListingController {
public:
  ListingController(EditorContext Shared, ListingState &View, LabelController &FieldValues,
                    HoldController &HoldRules)
      : Context(Shared), Listing(View), Labels(FieldValues), Holds(HoldRules) {}

  /// The listing's top moves so that the current command is in view; after
  /// every event.
  void settle();
  /// A button pressed or released over the listing.
  void onMouse(const MouseEvent &Event);
  /// The pointer moved with the left button held on a line.
  void onDrag(int X, int Y);
  /// The algorithm drawn at once, without animation.
  void runImmediately();
  /// The algorithm drawn at once up to listing line \p Line.
  void runToCommand(int Line);
  /// The algorithm was replaced: no line counts as pressed or open.
  void forgetClicks();
  /// The same once the algorithm has become empty.
  void forgetClicksWhenEmpty();
  /// The algorithm was emptied: no line counts as pressed.
  void forgetLastClick() { Listing.LastClick = 0; }
  /// The open line closes.
  void closeEditing() { Listing.CommandEditing = false; }
  bool editing() const { return Listing.CommandEditing; }

private:
  void onLeftPress(const PickResult &Pick);
  void leaveDrag();

  EditorContext Context;
  ListingState &Listing;
  LabelController &Labels;
  HoldController &Holds;
};

#endif
