// The listing panel: a press selects a line, a second press on the same
// line opens it for editing and a third closes it; a held line is dragged
// to a new place or out of the panel to delete it; the two strips scroll;
// the right button previews the picture at once, up to a line or as a whole.
#ifndef QUOVADRIN_EDITOR_LISTING_CONTROLLER_H
#define QUOVADRIN_EDITOR_LISTING_CONTROLLER_H

#include "editor/editor_context.h"
#include "editor/listing_state.h"
#include "editor/pick_result.h"
#include "editor/pointer_event.h"

class FieldLabels;
struct ToolSelection;

/// A press on a strip asks the editor to scroll the listing while it is
/// held, since the scrolling's timers are the holds'.
enum class ScrollRequest { None, Up, Down };

class ListingController {
public:
  /// \p FieldValues and \p Selection take over the parameters of a line
  /// opened for editing, or of where a preview ended.
  ListingController(EditorContext Shared, ListingState &View, FieldLabels &FieldValues,
                    ToolSelection &Selection)
      : Context(Shared), Listing(View), Labels(FieldValues), Tools(Selection) {}

  /// The listing's top moves so that the current command is in view; after
  /// every event.
  void settle();
  /// A button pressed or released over the listing.
  [[nodiscard]] ScrollRequest onMouse(const PointerEvent &Event);
  /// The pointer moved to \p Where with the left button held on a line;
  /// \p InListing is the same point in the listing's units, left of 0 once
  /// the pointer has left the panel.
  void onDrag(const PickPoint &Where, LayoutPoint InListing);

private:
  ScrollRequest onLeftPress(const PickResult &Pick);
  void leaveDrag();
  /// The algorithm drawn at once, without animation.
  void runImmediately();
  /// The algorithm drawn at once up to listing line \p Line.
  void runToCommand(int Line);

  EditorContext Context;
  ListingState &Listing;
  FieldLabels &Labels;
  ToolSelection &Tools;
};

#endif
