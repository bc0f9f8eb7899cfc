// Building a frame panel by panel.
#include "screen/screen_frame.h"

#include "editor/editor_state.h"
#include "exec/session.h"
#include "screen/canvas_frame.h"
#include "screen/listing_frame.h"
#include "screen/tool_panel_frame.h"

namespace {

void appendCanvas(DrawListBuilder &Builder, const Session &S, const EditorState &E) {
  Builder.panel(Panel::Canvas);
  Builder.clearScreen();
  appendCanvasPicture(Builder, S, E, E.GridVisible);
  appendCanvasOverlays(Builder, S, E);
}

} // namespace

void buildFrame(DrawList &Out, const Session &S, const EditorState &E) {
  Out.clear();
  DrawListBuilder Builder(Out);
  appendCanvas(Builder, S, E);
  appendToolPanel(Builder, E);
  appendListingPanel(Builder, S.algorithm(), E);
}

void buildPanel(DrawList &Out, Panel Which, const Session &S, const EditorState &E) {
  Out.clear();
  DrawListBuilder Builder(Out);
  switch (Which) {
  case Panel::Tool:
    appendToolPanel(Builder, E);
    return;
  case Panel::Canvas:
    appendCanvas(Builder, S, E);
    return;
  case Panel::Listing:
    appendListingPanel(Builder, S.algorithm(), E);
    return;
  }
}

void buildCanvasPicture(DrawList &Out, const Session &S, const EditorState &E, bool GridVisible) {
  Out.clear();
  DrawListBuilder Builder(Out);
  Builder.panel(Panel::Canvas);
  Builder.clearScreen();
  appendCanvasPicture(Builder, S, E, GridVisible);
}
