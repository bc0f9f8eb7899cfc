// Building a frame panel by panel.
#include "screen/screen_frame.h"

#include "editor/editor_state.h"
#include "exec/session.h"
#include "screen/canvas_frame.h"
#include "screen/listing_frame.h"
#include "screen/tool_panel_frame.h"

void buildFrame(DrawList &Out, const Session &S, const EditorState &E) {
  Out.clear();
  DrawListBuilder Builder(Out);
  Builder.panel(Panel::Canvas);
  Builder.clearScreen();
  appendCanvasPicture(Builder, S, E, E.GridVisible);
  appendCanvasOverlays(Builder, S, E);
  appendToolPanel(Builder, E);
  appendListingPanel(Builder, S.algorithm(), E);
}

void buildCanvasPicture(DrawList &Out, const Session &S, const EditorState &E, bool GridVisible) {
  Out.clear();
  DrawListBuilder Builder(Out);
  Builder.panel(Panel::Canvas);
  Builder.clearScreen();
  appendCanvasPicture(Builder, S, E, GridVisible);
}
