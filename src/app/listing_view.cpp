// Drawing of the listing panel. The walk over the commands reads the links
// only, so the algorithm's cursor (the learner's current command) is exactly
// where it was before the frame.
#include "app/listing_view.h"

#include <GL/gl.h>

#include "app/panel_view.h"
#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "gfx/text_renderer.h"
#include "model/algorithm.h"
#include "model/indentation.h"

namespace {

constexpr float PanelWidth = 256.0f;

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
  glVertex2f(static_cast<float>(LayoutWidth / 8), TipY);
  glVertex2f(60, BaseY);
  glVertex2f(static_cast<float>(LayoutWidth / 4 - 60), BaseY);
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

void drawScrollStrips(int ListingTop, int CommandCount) {
  strip(2, 23);
  if (ListingTop > 1)
    triangle(6, 20);
  strip(766, 745);
  if (ListingTop < CommandCount)
    triangle(762, 748);
}

void drawHighlight(int Line, bool CommandEditing) {
  if (CommandEditing)
    glColor4f(0.85f, 0.85f, Line == 0 ? 0.85f : 0.8f, 1);
  else
    glColor4f(0.75f, 0.75f, 0.75f, 1);
  float Top = ListingLineTop + ListingLinePitch * Line;
  glBegin(GL_POLYGON);
  glVertex2f(0, Top);
  glVertex2f(0, Top + ListingLinePitch);
  glVertex2f(PanelWidth, Top + ListingLinePitch);
  glVertex2f(PanelWidth, Top);
  glEnd();
  glColor4f(1, 1, 1, 1);
}

void drawSentence(const Command &C, int Line, int Level, GLuint AtlasTexture) {
  glEnable(GL_TEXTURE_2D);
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(static_cast<float>(Level * ListingIndentStep),
               ListingLineTop + ListingLinePitch * Line, 0);
  glScalef(ListingTextScale, ListingTextScale, 1);
  glBindTexture(GL_TEXTURE_2D, AtlasTexture);
  TextRenderer::emitText(C.text().c_str(), 0, 0, 8);
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
}

void drawLines(const Algorithm &A, const EditorState &E, GLuint AtlasTexture) {
  const Command *C = A.head();
  Indentation Levels;
  for (int Position = 1; C && Position < E.ListingTop; ++Position, C = C->next())
    Levels.levelOf(C->kind());
  for (int Line = 0; C && Line < ListingVisibleLines; ++Line, C = C->next()) {
    const int Level = Levels.levelOf(C->kind());
    if (C == A.current())
      drawHighlight(Line, E.CommandEditing);
    drawSentence(*C, Line, Level, AtlasTexture);
  }
}

} // namespace

void drawListingPanel(const Algorithm &A, const EditorState &E, GLuint AtlasTexture) {
  setPanelView(Panel::Listing, E.Screen);
  drawBackground();
  const int Count = A.commandCount();
  drawScrollStrips(E.ListingTop, Count);
  glColor4f(1, 1, 1, 1);
  if (Count == 0)
    return;
  drawLines(A, E, AtlasTexture);
}
