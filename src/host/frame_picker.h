// Picking for the host: a pick in a panel describes that panel again from
// the state as it is at the moment of the pick, with the frame builders
// that draw it, and asks the regions they recorded. Within one event the
// editor may change what a panel shows before it picks (a file list hidden
// by the press, a Label's new text, the listing's settled top), so the pick
// sees exactly what the next frame will draw.
#ifndef QUOVADRIN_HOST_FRAME_PICKER_H
#define QUOVADRIN_HOST_FRAME_PICKER_H

#include "editor/picker.h"
#include "screen/draw_list.h"

class Session;
struct EditorState;

class FramePicker final : public Picker {
public:
  FramePicker(const Session &Shown, const EditorState &Editing) : Work(Shown), State(Editing) {}

  PickResult pick(Panel Which, const PickPoint &Where) override;

private:
  const Session &Work;
  const EditorState &State;
  /// The panel as last described for a pick, reused between picks.
  DrawList Described;
};

#endif
