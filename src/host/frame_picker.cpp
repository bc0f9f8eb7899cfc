// A pick over a panel described anew.
#include "host/frame_picker.h"

#include "editor/editor_state.h"
#include "screen/frame_pick.h"
#include "screen/screen_frame.h"

PickResult FramePicker::pick(Panel Which, const PickPoint &Where) {
  buildPanel(Described, Which, Work, State);
  return pickFrame(Described, Which, State.Layout, Where);
}
