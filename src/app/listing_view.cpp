// Drawing of the listing panel. The walk over the commands reads the links
// only, so the algorithm's cursor (the learner's current command) is exactly
// where it was before the frame.
#include "app/listing_view.h"

#include <GL/gl.h>

#include "app/app_state.h"
#include "app/panel_view.h"
#include "gfx/text_renderer.h"
#include "model/algorithm.h"

namespace {

constexpr float PanelWidth = 256.0f;
constexpr float LineTop = 25.0f;
constexpr float LinePitch = 10.0f;

void strip(float Top, float Bottom) {
  glColor4f(0.6f, 0.6f, 0.6f, 1);
  glBegin(GL_POLYGON);
  glVertex2f(2, Top);
  glVertex2f(2, Bottom);
  glVertex2f(PanelWidth - 2, Bottom);
  glVertex2f(PanelWidth - 2, Top);
  glEnd();
}

void triangle(float TipY, float BaseY) {
  glColor4f(0.85f, 0.85f, 0.85f, 1);
  glBegin(GL_TRIANGLES);
  glVertex2f(static_cast<float>(app.layoutWidth / 8), TipY);
  glVertex2f(60, BaseY);
  glVertex2f(static_cast<float>(app.layoutWidth / 4 - 60), BaseY);
  glEnd();
}

void drawBackground() {
  glBegin(GL_POLYGON);
  glColor4f(1, 1, 1, 1);
  glVertex2f(0, 0);
  glVertex2f(0, 768);
  glColor4f(0.6f, 0.6f, 0.6f, 1);
  glVertex2f(PanelWidth, 768);
  glVertex2f(PanelWidth, 0);
  glEnd();
}

void drawScrollStrips(int CommandCount) {
  strip(2, 23);
  if (app.listingTop > 1)
    triangle(6, 20);
  strip(766, 745);
  if (app.listingTop < CommandCount)
    triangle(762, 748);
}

void drawHighlight(int Line) {
  if (app.commandEditing == 1)
    glColor4f(0.85f, 0.85f, Line == 0 ? 0.85f : 0.8f, 1);
  else
    glColor4f(0.75f, 0.75f, 0.75f, 1);
  float Top = LineTop + LinePitch * Line;
  glBegin(GL_POLYGON);
  glVertex2f(0, Top);
  glVertex2f(0, Top + LinePitch);
  glVertex2f(PanelWidth, Top + LinePitch);
  glVertex2f(PanelWidth, Top);
  glEnd();
  glColor4f(1, 1, 1, 1);
}

void drawSentence(const Command &C, int Line, int Level) {
  glEnable(GL_TEXTURE_2D);
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(static_cast<float>(Level * ListingIndentStep), LineTop + LinePitch * Line, 0);
  glScalef(ListingTextScale, ListingTextScale, 1);
  glBindTexture(GL_TEXTURE_2D, app.alphabetTexture);
  TextRenderer::emitText(C.text().c_str(), 0, 0, 8);
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
}

// The level change a command makes for the lines after it.
int levelAfter(const Command &C, int Level) {
  if (C.kind() == CommandKind::RepeatStart)
    return Level + 1;
  return Level;
}

// The level a command itself stands at: an end closes its block first. An
// end without an open block stays at the left edge.
int levelOf(const Command &C, int Level) {
  if (C.kind() == CommandKind::RepeatEnd && Level > 0)
    return Level - 1;
  return Level;
}

void drawLines(const Algorithm &A) {
  const Command *C = A.head();
  int Level = 0;
  for (int Position = 1; C && Position < app.listingTop; ++Position, C = C->next())
    Level = levelAfter(*C, levelOf(*C, Level));
  for (int Line = 0; C && Line < ListingVisibleLines; ++Line, C = C->next()) {
    Level = levelOf(*C, Level);
    if (C == A.current())
      drawHighlight(Line);
    drawSentence(*C, Line, Level);
    Level = levelAfter(*C, Level);
  }
}

} // namespace

void setListingView() { setPanelView(Panel::Listing); }

int listingIndentLevel(const Algorithm &A, const Command *Target) {
  int Level = 0;
  for (const Command *C = A.head(); C; C = C->next()) {
    Level = levelOf(*C, Level);
    if (C == Target)
      return Level;
    Level = levelAfter(*C, Level);
  }
  return 0;
}

void keepCurrentVisible() {
  const Algorithm *A = app.algorithm;
  if (!A || !A->current())
    return;
  int Position = 1;
  for (const Command *C = A->head(); C && C != A->current(); C = C->next())
    ++Position;
  if (Position < app.listingTop)
    app.listingTop = Position;
  if (Position > app.listingTop + ListingVisibleLines - 1)
    app.listingTop = Position - (ListingVisibleLines - 1);
}

void drawListingPanel() {
  setListingView();
  drawBackground();
  // The scroll position is settled before the strips are drawn, so that the
  // triangles of a frame match the lines it shows.
  keepCurrentVisible();
  int Count = app.algorithm ? app.algorithm->commandCount() : 0;
  drawScrollStrips(Count);
  glColor4f(1, 1, 1, 1);
  if (Count == 0)
    return;
  drawLines(*app.algorithm);
}
