// The three pickers.
#include "app/gl_picker.h"

#include <GL/glu.h>

#include "app/button.h"
#include "app/file_list.h"
#include "app/panel_view.h"
#include "app/screen.h"
#include "app/shape_renderer.h"
#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "exec/session.h"
#include "screen/screen_layout.h"

namespace {

/// Side of the pick box in pixels.
constexpr double PickBoxSide = 5;

void pickRectangle(float X0, float Y0, float X1, float Y1) {
  glBegin(GL_POLYGON);
  glVertex2f(X0, Y0);
  glVertex2f(X0, Y1);
  glVertex2f(X1, Y1);
  glVertex2f(X1, Y0);
  glEnd();
}

} // namespace

template <typename DrawFn> GLint GlPicker::select(Panel Which, int X, int Y, DrawFn &&DrawNames) {
  const PanelRect R = panelRect(Which, E.Screen);
  glMatrixMode(GL_MODELVIEW);
  glViewport(R.X, R.Y, R.Width, R.Height);
  GLint Viewport[4];
  glGetIntegerv(GL_VIEWPORT, Viewport);
  glSelectBuffer(SelectBufferSize, Buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPickMatrix(X, Viewport[3] - Y, PickBoxSide, PickBoxSide, Viewport);
  gluOrtho2D(0, R.LayoutWidth, LayoutHeight, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  DrawNames();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glFlush();
  return glRenderMode(GL_RENDER);
}

// Every record holds one name: count, minimum depth, maximum depth, name.
int GlPicker::recordName(int Record) const { return static_cast<int>(Buffer[4 * Record + 3]); }

int GlPicker::pickToolPanel(int X, int Y) {
  const GLint Hits = select(Panel::Tool, X, Y, [this] {
    for (const Button *Widget = Widgets.toolChain(); Widget; Widget = Widget->next()) {
      glLoadName(static_cast<GLuint>(Widget->pickName()));
      Widget->draw(GL_SELECT);
    }
    if (E.Files.ListVisible && Widgets.fileList())
      Widgets.fileList()->draw(GL_SELECT);
  });
  if (Hits >= 2)
    return recordName(1);
  return Hits == 1 ? recordName(0) : -1;
}

int GlPicker::pickCanvas(int X, int Y) {
  const GLint Hits = select(Panel::Canvas, X, Y, [this] {
    if (E.Mode == InteractionMode::PenMenuOpen) {
      for (const Button *MenuButton : Widgets.penMenu()) {
        glLoadName(static_cast<GLuint>(MenuButton->pickName()));
        MenuButton->draw(GL_SELECT);
      }
      return;
    }
    glLoadName(static_cast<GLuint>(pickValue(PickName::PenMarker)));
    drawPenMarker(GL_SELECT, S.variables(), S.templates(), E.Tools.SelectedTool);
  });
  return Hits >= 1 ? recordName(0) : -1;
}

// The strips, then one row per visible line, named by its position in the
// algorithm; nothing at all for an empty algorithm.
int GlPicker::pickListing(int X, int Y) {
  const GLint Hits = select(Panel::Listing, X, Y, [this] {
    const Algorithm &A = S.algorithm();
    if (A.commandCount() < 1)
      return;
    const float W = static_cast<float>(LayoutWidth / 4);
    const float H = static_cast<float>(LayoutHeight);
    glLoadName(static_cast<GLuint>(pickValue(PickName::UpStrip)));
    pickRectangle(2, 2, W - 2, 23);
    glLoadName(static_cast<GLuint>(pickValue(PickName::DownStrip)));
    pickRectangle(2, H - 2, W - 2, H - 23);
    const Command *C = A.head();
    for (int Position = 1; C && Position < E.Listing.Top; ++Position)
      C = C->next();
    for (int Line = 0; C && Line < ListingVisibleLines; ++Line, C = C->next()) {
      const float Top = ListingLineTop + ListingLinePitch * static_cast<float>(Line);
      glLoadName(static_cast<GLuint>(E.Listing.Top + Line));
      pickRectangle(0, Top, W, Top + ListingLinePitch);
    }
  });
  return Hits >= 1 ? recordName(0) : -1;
}
