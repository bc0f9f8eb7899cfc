// Describing the listing panel.
#include "screen/listing_frame.h"

#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "model/algorithm.h"
#include "model/indentation.h"
#include "screen/atlas_text.h"
#include "screen/screen_layout.h"

namespace {

constexpr float PanelWidth = static_cast<float>(ListingLayoutWidth);

void appendStrip(DrawListBuilder &Out, const StripCorners &Strip) {
  Out.setColour(0.6f, 0.6f, 0.6f, 1);
  Out.begin(Primitive::Polygon);
  Out.vertex(Strip.Left, Strip.Top);
  Out.vertex(Strip.Left, Strip.Bottom);
  Out.vertex(Strip.Right, Strip.Bottom);
  Out.vertex(Strip.Right, Strip.Top);
  Out.end();
}

// The arrow inside a strip, pointing the way the strip scrolls.
void appendTriangle(DrawListBuilder &Out, float TipY, float BaseY) {
  Out.setColour(0.85f, 0.85f, 0.85f, 1);
  Out.begin(Primitive::Triangles);
  Out.vertex(PanelWidth / 2, TipY);
  Out.vertex(60, BaseY);
  Out.vertex(PanelWidth - 60, BaseY);
  Out.end();
}

void appendBackground(DrawListBuilder &Out) {
  Out.shadedRectangle(0, 0, PanelWidth, static_cast<float>(LayoutHeight), 1, 0.6f);
}

void appendScrollStrips(DrawListBuilder &Out, int ListingTop, int CommandCount) {
  const StripCorners Up = listingUpStrip(), Down = listingDownStrip();
  appendStrip(Out, Up);
  if (ListingTop > 1)
    appendTriangle(Out, Up.Top + 4, Up.Bottom - 3);
  appendStrip(Out, Down);
  if (ListingTop < CommandCount)
    appendTriangle(Out, Down.Top - 4, Down.Bottom + 3);
}

void appendHighlight(DrawListBuilder &Out, int Line, bool CommandEditing) {
  if (CommandEditing)
    Out.setColour(0.85f, 0.85f, Line == 0 ? 0.85f : 0.8f, 1);
  else
    Out.setColour(0.75f, 0.75f, 0.75f, 1);
  Out.rectangle(0, listingRowTop(Line), PanelWidth, ListingLinePitch);
  Out.setColour(1, 1, 1, 1);
}

void appendSentence(DrawListBuilder &Out, const Command &C, int Line, int Level) {
  appendAtlasText(Out, C.text().c_str(), static_cast<float>(Level * ListingIndentStep),
                  listingRowTop(Line), ListingTextScale, 0, 0, ListingTextAdvance);
}

// Each line is picked over its whole row, named by its position in the
// algorithm.
void appendLines(DrawListBuilder &Out, const Algorithm &A, const EditorState &E) {
  int Line = 0;
  for (const IndentedLine &Shown : indentedLines(A, E.Listing.Top)) {
    if (Line == ListingVisibleLines)
      break;
    if (Shown.Cmd == A.current())
      appendHighlight(Out, Line, E.Listing.CommandEditing);
    appendSentence(Out, *Shown.Cmd, Line, Shown.Level);
    const float Top = listingRowTop(Line);
    Out.hitRectangle(E.Listing.Top + Line, 0, Top, PanelWidth, Top + ListingLinePitch);
    ++Line;
  }
}

// The strips scroll only a listing that has lines: an empty one picks
// nothing at all.
void hitScrollStrips(DrawListBuilder &Out) {
  const StripCorners Up = listingUpStrip(), Down = listingDownStrip();
  Out.hitRectangle(pickValue(PickName::UpStrip), Up.Left, Up.Top, Up.Right, Up.Bottom);
  Out.hitRectangle(pickValue(PickName::DownStrip), Down.Left, Down.Top, Down.Right, Down.Bottom);
}

} // namespace

void appendListingPanel(DrawListBuilder &Out, const Algorithm &A, const EditorState &E) {
  Out.panel(Panel::Listing);
  appendBackground(Out);
  const int Count = A.commandCount();
  appendScrollStrips(Out, E.Listing.Top, Count);
  Out.setColour(1, 1, 1, 1);
  if (Count == 0)
    return;
  hitScrollStrips(Out);
  appendLines(Out, A, E);
}
