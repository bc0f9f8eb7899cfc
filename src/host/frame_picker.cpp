// A pick over a panel described anew.
#include "host/frame_picker.h"

#include <algorithm>

#include "editor/editor_state.h"
#include "screen/frame_pick.h"
#include "screen/screen_frame.h"

namespace {

/// Each try of a growing box is this much wider than the one before: small
/// steps, so that the nearest thing is found before the ones behind it.
constexpr double GrowthPerTry = 1.5;

} // namespace

// A box that may grow tries its own side first, then wider ones up to its
// limit, and stops at the first that finds something: where the small box
// finds a thing, a finger gets exactly what the mouse would.
PickResult FramePicker::pick(Panel Which, const PickPoint &Where) {
  buildPanel(Described, Which, Work, State);
  PickResult Found = pickFrame(Described, Which, State.Layout, Where);
  PickPoint Wider = Where;
  while (Found.kind() == PickKind::Nothing && Wider.BoxSide < Where.GrowToSide) {
    const int Next = static_cast<int>(Wider.BoxSide * GrowthPerTry) | 1;
    Wider.BoxSide = std::min(std::max(Next, Wider.BoxSide + 2), Where.GrowToSide);
    Found = pickFrame(Described, Which, State.Layout, Wider);
  }
  return Found;
}
