// The three pickers, each offering its panel's pickable things in drawing
// order.
#include "screen/geometric_picker.h"

#include <algorithm>

#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "exec/session.h"
#include "screen/panel_rect.h"
#include "screen/pick_box.h"
#include "screen/screen_layout.h"
#include "screen/shape_figure.h"

namespace {

PickBox boxOver(Panel Which, const EditorState &Editing, int X, int Y) {
  return PickBox(panelRect(Which, Editing.Screen), X, Y);
}

/// Listing lines shown from position \p Top on: those that exist, at most
/// a screenful. Positions before the first count as the first.
int visibleLines(int CommandCount, int Top) {
  const int Remaining = CommandCount - std::max(Top, 1) + 1;
  return std::clamp(Remaining, 0, ListingVisibleLines);
}

/// What the winning record \p Name of a pick in panel \p Which stands for:
/// the records carry listing lines by their number and file entries as
/// FirstFileEntry + index, as the screen offers them.
PickResult resultOf(Panel Which, int Name) {
  if (Name == pickValue(PickName::Nothing))
    return PickResult::nothing(Which);
  if (Which == Panel::Listing && Name >= 1)
    return PickResult::listingLine(Name);
  const bool FileEntry =
      Name >= pickValue(PickName::FirstFileEntry) && Name < pickValue(PickName::Quit);
  if (Which == Panel::Tool && FileEntry)
    return PickResult::fileEntry(Name - pickValue(PickName::FirstFileEntry));
  return PickResult::named(Which, static_cast<PickName>(Name));
}

} // namespace

// A Button's pick area is its picture; a Label's covers its text as it is
// now and its description.
void GeometricPicker::offerToolChain(const PickBox &Box, PickHits &Hits) const {
  for (const ToolWidgetPlace &Widget : toolChainPlaces()) {
    const LayoutRect Area =
        Widget.isLabel()
            ? labelPickArea(Widget,
                            State.Labels.at(static_cast<size_t>(Widget.LabelIndex)).text().size())
            : Widget.Place;
    Hits.offer(pickValue(Widget.Pick), Box.meets(Area));
  }
}

// One row per file shown; the row telling of older files, at the top, has
// no pick name: it loads nothing.
void GeometricPicker::offerFileList(const PickBox &Box, PickHits &Hits) const {
  const SavedFileWindow &Files = State.Files.List.Files;
  const int Entries = static_cast<int>(Files.Shown.size());
  const int FirstEntryRow = Files.Hidden > 0 ? 1 : 0;
  for (int Entry = 0; Entry < Entries; ++Entry)
    Hits.offer(pickValue(PickName::FirstFileEntry) + Entry,
               Box.meets(fileListRow(Entries + FirstEntryRow, Entry + FirstEntryRow)));
}

PickHits GeometricPicker::toolPanelHits(int X, int Y) const {
  const PickBox Box = boxOver(Panel::Tool, State, X, Y);
  PickHits Hits;
  offerToolChain(Box, Hits);
  if (State.Files.ListVisible)
    offerFileList(Box, Hits);
  return Hits;
}

// The open pen menu takes the marker's place.
PickHits GeometricPicker::canvasHits(int X, int Y) const {
  const PickBox Box = boxOver(Panel::Canvas, State, X, Y);
  PickHits Hits;
  if (State.Mode == InteractionMode::PenMenuOpen) {
    for (size_t I = 0; I < PenMenuSize; ++I) {
      const IntPoint Corner = State.Canvas.PenMenu.Corners[I];
      Hits.offer(pickValue(PenMenuOrder[I]),
                 Box.meets({Corner.X, Corner.Y, PenMenuButtonSide, PenMenuButtonSide}));
    }
    return Hits;
  }
  Hits.offer(pickValue(PickName::PenMarker),
             Box.meetsUnitBox(unitBoxMap(penPlacement(Work.variables()))));
  return Hits;
}

// The strips, then one row per visible line, named by its position in the
// algorithm; nothing at all for an empty algorithm.
PickHits GeometricPicker::listingHits(int X, int Y) const {
  const PickBox Box = boxOver(Panel::Listing, State, X, Y);
  PickHits Hits;
  const int Commands = Work.algorithm().commandCount();
  if (Commands < 1)
    return Hits;
  const StripCorners Up = listingUpStrip(), Down = listingDownStrip();
  Hits.offer(pickValue(PickName::UpStrip), Box.meetsRect(Up.Left, Up.Top, Up.Right, Up.Bottom));
  Hits.offer(pickValue(PickName::DownStrip),
             Box.meetsRect(Down.Left, Down.Top, Down.Right, Down.Bottom));
  const auto Width = static_cast<float>(LayoutWidth / 4);
  const int Lines = visibleLines(Commands, State.Listing.Top);
  for (int Line = 0; Line < Lines; ++Line) {
    const float Top = listingRowTop(Line);
    Hits.offer(State.Listing.Top + Line, Box.meetsRect(0, Top, Width, Top + ListingLinePitch));
  }
  return Hits;
}

PickResult GeometricPicker::pickToolPanel(int X, int Y) {
  return resultOf(Panel::Tool, toolPanelHits(X, Y).winner(HitRule::Second));
}

PickResult GeometricPicker::pickCanvas(int X, int Y) {
  return resultOf(Panel::Canvas, canvasHits(X, Y).winner(HitRule::First));
}

PickResult GeometricPicker::pickListing(int X, int Y) {
  return resultOf(Panel::Listing, listingHits(X, Y).winner(HitRule::First));
}
