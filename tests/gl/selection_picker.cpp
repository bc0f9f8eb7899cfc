// The selection passes of the three panels.
#include "selection_picker.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "editor/window_layout.h"
#include "exec/session.h"
#include "gl_pick_support.h"
#include "screen/screen_layout.h"

namespace {

constexpr double PickBoxPixels = 5;

/// Corner orders, each corner as (second x?, second y?).
constexpr bool AcrossTopFirst[4][2] = {{false, false}, {true, false}, {true, true}, {false, true}};
constexpr bool DownLeftFirst[4][2] = {{false, false}, {false, true}, {true, true}, {true, false}};

void emitPolygon(const SelectionArea &A) {
  const bool IntegerCorners =
      A.Kind == SelectionArea::Shape::Button || A.Kind == SelectionArea::Shape::LeftFirst;
  const auto &Order = A.Kind == SelectionArea::Shape::Button ? AcrossTopFirst : DownLeftFirst;
  glBegin(GL_POLYGON);
  for (const auto &Corner : Order) {
    const float X = Corner[0] ? A.X1 : A.X0, Y = Corner[1] ? A.Y1 : A.Y0;
    if (IntegerCorners)
      glVertex2i(static_cast<int>(X), static_cast<int>(Y));
    else
      glVertex2f(X, Y);
  }
  glEnd();
}

/// The pen marker's pick area: its unit box, moved to the pen (column,
/// then row), turned and stretched, filled.
void emitPenMarker(const SelectionArea &A) {
  glPushMatrix();
  glTranslatef(A.Placement.CentreX, 0, 0);
  glTranslatef(0, A.Placement.CentreY, 0);
  glRotatef(static_cast<float>(A.Placement.Rotation), 0, 0, 1);
  glScalef(A.Placement.ScaleX, A.Placement.ScaleY, 1);
  emitPolygon(A);
  glPopMatrix();
}

struct Extent {
  double Left = INFINITY, Top = INFINITY, Right = -INFINITY, Bottom = -INFINITY;

  void include(double X, double Y) {
    Left = std::min(Left, X);
    Right = std::max(Right, X);
    Top = std::min(Top, Y);
    Bottom = std::max(Bottom, Y);
  }
};

/// The area's extent in layout units (the pen marker's from its corners).
Extent extentOf(const SelectionArea &A) {
  Extent E;
  if (A.Kind != SelectionArea::Shape::PenMarker) {
    E.include(A.X0, A.Y0);
    E.include(A.X1, A.Y1);
    return E;
  }
  const UnitBoxMap M = unitBoxMap(A.Placement);
  for (double U : {-0.5, 0.5})
    for (double V : {-0.5, 0.5})
      E.include(M.Xx * U + M.Yx * V + M.Cx, M.Xy * U + M.Yy * V + M.Cy);
  return E;
}

/// \p A with the pixels near it, over the panel \p R.
SelectionArea reaching(SelectionArea A, const PanelRect &R) {
  const Extent E = extentOf(A);
  const double PixelsPerUnitX = static_cast<double>(R.Width) / R.LayoutWidth;
  const double PixelsPerUnitY = static_cast<double>(R.Height) / LayoutHeight;
  A.NearLeft = R.X + E.Left * PixelsPerUnitX - NearbyPixels;
  A.NearRight = R.X + E.Right * PixelsPerUnitX + NearbyPixels;
  A.NearTop = E.Top * PixelsPerUnitY - NearbyPixels;
  A.NearBottom = E.Bottom * PixelsPerUnitY + NearbyPixels;
  return A;
}

SelectionArea rectArea(int Name, SelectionArea::Shape Kind, int X, int Y, int Width, int Height) {
  SelectionArea A{Name, Kind};
  A.X0 = static_cast<float>(X);
  A.Y0 = static_cast<float>(Y);
  A.X1 = static_cast<float>(X + Width);
  A.Y1 = static_cast<float>(Y + Height);
  return A;
}

} // namespace

std::vector<SelectionArea> SelectionPicker::nearPixels(std::vector<SelectionArea> Areas,
                                                       Panel Which) const {
  const PanelRect R = State.Layout.panel(Which);
  for (SelectionArea &A : Areas)
    A = reaching(A, R);
  return Areas;
}

// The window's pickers set up each pass in this order.
SelectionHits SelectionPicker::select(Panel Which, int X, int Y,
                                      const std::vector<SelectionArea> &Areas) {
  auto IsNear = [&](const SelectionArea &A) { return A.nearPointer(X, Y); };
  if (std::none_of(Areas.begin(), Areas.end(), IsNear))
    return {};
  ++Passes;
  const PanelRect R = State.Layout.panel(Which);
  glMatrixMode(GL_MODELVIEW);
  glViewport(R.X, R.Y, R.Width, R.Height);
  GLint Viewport[4];
  glGetIntegerv(GL_VIEWPORT, Viewport);
  startSelection(Buffer, SelectBufferSize);
  pushPickProjection(X, Viewport[3] - Y, PickBoxPixels, Viewport, R.LayoutWidth, LayoutHeight);
  for (const SelectionArea &A : Areas) {
    if (!IsNear(A))
      continue;
    glLoadName(static_cast<GLuint>(A.Name));
    if (A.Kind == SelectionArea::Shape::PenMarker)
      emitPenMarker(A);
    else
      emitPolygon(A);
  }
  popPickProjection();
  glFlush();
  SelectionHits Hits;
  Hits.Count = glRenderMode(GL_RENDER);
  // Every record holds one name: count, minimum depth, maximum depth, name.
  for (int Record = 0; Record < Hits.Count; ++Record)
    Hits.Names.push_back(static_cast<int>(Buffer[4 * Record + 3]));
  return Hits;
}

// The chain, each Label's rectangle over its current text and description,
// then the saved-file rows while the list shows (the row telling of older
// files has no name).
std::vector<SelectionArea> SelectionPicker::toolPanelAreas() const {
  std::vector<SelectionArea> Areas;
  for (const ToolWidgetPlace &Widget : toolChainPlaces()) {
    const int Name = pickValue(Widget.Pick);
    const LayoutRect &P = Widget.Place;
    if (!Widget.isLabel()) {
      Areas.push_back(rectArea(Name, SelectionArea::Shape::Button, P.X, P.Y, P.Width, P.Height));
      continue;
    }
    const size_t Length = State.Labels.at(static_cast<size_t>(Widget.LabelIndex)).text().size();
    const int Left = Widget.Description ? LabelDescriptionX : P.X;
    const int Right = P.X + static_cast<int>(Length) * Widget.CharWidth;
    Areas.push_back(
        rectArea(Name, SelectionArea::Shape::LeftFirst, Left, P.Y, Right - Left, Widget.CharWidth));
  }
  if (State.Files.ListVisible) {
    const SavedFileWindow &Files = State.Files.List.Files;
    const int Entries = static_cast<int>(Files.Shown.size());
    const int Skipped = Files.Hidden > 0 ? 1 : 0;
    const int Top = FileListBottom - FileListRowHeight * (Entries + Skipped);
    for (int I = 0; I < Entries; ++I)
      Areas.push_back(rectArea(
          pickValue(PickName::FirstFileEntry) + I, SelectionArea::Shape::LeftFirst, FileListLeft,
          Top + FileListRowHeight * (I + Skipped), FileListWidth, FileListRowHeight));
  }
  return nearPixels(std::move(Areas), Panel::Tool);
}

std::vector<SelectionArea> SelectionPicker::canvasAreas() const {
  std::vector<SelectionArea> Areas;
  if (State.Mode == InteractionMode::PenMenuOpen) {
    for (size_t I = 0; I < PenMenuSize; ++I)
      Areas.push_back(rectArea(pickValue(PenMenuOrder[I]), SelectionArea::Shape::Button,
                               State.Canvas.PenMenu.Corners[I].X, State.Canvas.PenMenu.Corners[I].Y,
                               PenMenuButtonSide, PenMenuButtonSide));
  } else {
    SelectionArea Marker{
        pickValue(PickName::PenMarker), SelectionArea::Shape::PenMarker, -0.5f, -0.5f, 0.5f, 0.5f};
    Marker.Placement = penPlacement(Work.variables());
    Areas.push_back(Marker);
  }
  return nearPixels(std::move(Areas), Panel::Canvas);
}

// The strips, then one row per visible line, named by its position in the
// algorithm; nothing at all for an empty algorithm.
std::vector<SelectionArea> SelectionPicker::listingAreas() const {
  std::vector<SelectionArea> Areas;
  const Algorithm &A = Work.algorithm();
  if (A.commandCount() >= 1) {
    const float W = static_cast<float>(State.Layout.panel(Panel::Listing).LayoutWidth);
    const float H = static_cast<float>(LayoutHeight);
    const auto Float = SelectionArea::Shape::Float;
    Areas.push_back({pickValue(PickName::UpStrip), Float, 2, 2, W - 2, 23});
    Areas.push_back({pickValue(PickName::DownStrip), Float, 2, H - 2, W - 2, H - 23});
    const Command *C = A.head();
    for (int Position = 1; C && Position < State.Listing.Top; ++Position)
      C = C->next();
    for (int Line = 0; C && Line < ListingVisibleLines; ++Line, C = C->next()) {
      const float Top = 25.0f + 10.0f * static_cast<float>(Line);
      Areas.push_back({State.Listing.Top + Line, Float, 0, Top, W, Top + 10.0f});
    }
  }
  return nearPixels(std::move(Areas), Panel::Listing);
}
