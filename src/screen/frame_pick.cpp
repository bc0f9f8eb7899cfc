// The query over a frame's hit regions.
#include "screen/frame_pick.h"

#include "screen/pick_box.h"

namespace {

bool meets(const PickBox &Box, const HitRegion &Region) {
  if (Region.Shape == HitShape::UnitBox)
    return Box.meetsUnitBox(Region.Box);
  return Box.meetsRect(Region.X0, Region.Y0, Region.X1, Region.Y1);
}

/// What the winning record \p Name of a pick in panel \p Which stands for:
/// the regions carry listing lines by their position and file entries as
/// FirstFileEntry + index.
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

PickHits regionHits(const DrawList &Frame, Panel Which, const WindowLayout &Layout,
                    const PickPoint &Where) {
  const PickBox Box(Layout.panel(Which), Where);
  PickHits Hits;
  for (const HitRegion &Region : Frame.Regions)
    if (Region.View == Which)
      Hits.offer(Region.Name, meets(Box, Region));
  return Hits;
}

PickResult pickFrame(const DrawList &Frame, Panel Which, const WindowLayout &Layout,
                     const PickPoint &Where) {
  const HitRule Rule = Which == Panel::Tool ? HitRule::Second : HitRule::First;
  return resultOf(Which, regionHits(Frame, Which, Layout, Where).winner(Rule));
}
