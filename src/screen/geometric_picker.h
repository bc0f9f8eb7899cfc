// Picking by geometry: which pickable thing lies under a window pixel,
// answered from the screen layout and the state alone, without drawing
// anything. Each panel offers its pickable things in the order the screen
// draws them, each under its pick name, to the 5 x 5 pixel pick box around
// the pointer; the hit records and the panel's rule pick the winner: the
// second hit in the tool panel, so that a small Label on a larger Button
// and the saved-file list over everything win, the first on the canvas and
// in the listing.
#ifndef QUOVADRIN_SCREEN_GEOMETRIC_PICKER_H
#define QUOVADRIN_SCREEN_GEOMETRIC_PICKER_H

#include "editor/picker.h"
#include "screen/pick_hits.h"

class PickBox;
class Session;
struct EditorState;

class GeometricPicker final : public Picker {
public:
  /// Picks among the things \p Shown and \p Editing put on the screen, as
  /// they are at the moment of each pick.
  GeometricPicker(const Session &Shown, const EditorState &Editing) : Work(Shown), State(Editing) {}

  PickResult pickToolPanel(int X, int Y) override;
  PickResult pickCanvas(int X, int Y) override;
  PickResult pickListing(int X, int Y) override;

  /// The hit records behind each answer, for the tests of the rules.
  [[nodiscard]] PickHits toolPanelHits(int X, int Y) const;
  [[nodiscard]] PickHits canvasHits(int X, int Y) const;
  [[nodiscard]] PickHits listingHits(int X, int Y) const;

private:
  void offerToolChain(const PickBox &Box, PickHits &Hits) const;
  void offerFileList(const PickBox &Box, PickHits &Hits) const;

  const Session &Work;
  const EditorState &State;
};

#endif
