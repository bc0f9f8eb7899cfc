// The pick box's projection and the overlap tests. The products and sums are
// kept as separate float steps in the order the graphics library takes them;
// the products with the matrices' zero entries are left out, since adding a
// zero leaves a float as it is.
#include "screen/pick_box.h"

#include <algorithm>
#include <array>

namespace {

/// Whether the intervals [Low0, High0] and [Low1, High1] share a point.
template <typename T> bool overlap(T Low0, T High0, T Low1, T High1) {
  return Low0 <= High1 && Low1 <= High0;
}

/// Whether the values span a stretch that meets the box's -1 to 1. A value
/// on the border counts as inside, as clipping keeps a vertex there.
bool spanMeetsBox(float A, float B) { return overlap(std::min(A, B), std::max(A, B), -1.0f, 1.0f); }

float product(float A, float B) { return A * B; }
float sum(float A, float B) { return A + B; }

/// Whether the line through edge (From, To) separates the convex polygon
/// \p Corners from the box: every corner of the polygon on one side, every
/// corner of the box strictly beyond, in extended precision so that rounding
/// cannot invent a gap. An edge of no length separates nothing.
bool edgeSeparates(const std::array<BoxPoint, 4> &Corners, BoxPoint From, BoxPoint To) {
  const long double NormalX = static_cast<long double>(From.Y) - To.Y;
  const long double NormalY = static_cast<long double>(To.X) - From.X;
  if (NormalX == 0 && NormalY == 0)
    return false;
  auto Along = [&](long double X, long double Y) { return NormalX * X + NormalY * Y; };
  long double PolygonLow = Along(Corners[0].X, Corners[0].Y), PolygonHigh = PolygonLow;
  for (const BoxPoint &P : Corners) {
    PolygonLow = std::min(PolygonLow, Along(P.X, P.Y));
    PolygonHigh = std::max(PolygonHigh, Along(P.X, P.Y));
  }
  long double BoxLow = Along(-1, -1), BoxHigh = BoxLow;
  for (const long double X : {-1.0L, 1.0L}) {
    for (const long double Y : {-1.0L, 1.0L}) {
      BoxLow = std::min(BoxLow, Along(X, Y));
      BoxHigh = std::max(BoxHigh, Along(X, Y));
    }
  }
  return !overlap(PolygonLow, PolygonHigh, BoxLow, BoxHigh);
}

} // namespace

// The pick matrix moves and scales the pick region onto the whole view:
// moved by (viewport size - 2 (pointer - viewport origin)) / side, computed
// in double and handed over as float, and scaled by viewport size / side.
// The orthographic projection maps x 0..width to -1..1 and y 768..0 to
// -1..1; the pick matrix times it gives a scale and an offset per axis.
PickBox::PickBox(const PanelRect &Panel, const PickPoint &Where) {
  // A box needs a side: one pixel at the least.
  const double Side = std::max(Where.BoxSide, 1);
  const double PickX = Where.Pixel.X;
  const double PickY = Panel.Height - Where.Pixel.Y; // the pointer counts from the top
  const auto MoveX = static_cast<float>((Panel.Width - 2 * (PickX - Panel.X)) / Side);
  const auto MoveY = static_cast<float>((Panel.Height - 2 * (PickY - Panel.Y)) / Side);
  const auto StretchX = static_cast<float>(Panel.Width / Side);
  const auto StretchY = static_cast<float>(Panel.Height / Side);

  const float Left = 0, Right = static_cast<float>(Panel.LayoutWidth);
  const float Bottom = static_cast<float>(LayoutHeight), Top = 0;
  const float OrthoScaleX = 2.0f / (Right - Left);
  const float OrthoOffsetX = -(Right + Left) / (Right - Left);
  const float OrthoScaleY = 2.0f / (Top - Bottom);
  const float OrthoOffsetY = -(Top + Bottom) / (Top - Bottom);

  ScaleX = product(StretchX, OrthoScaleX);
  ScaleY = product(StretchY, OrthoScaleY);
  OffsetX = sum(product(StretchX, OrthoOffsetX), MoveX);
  OffsetY = sum(product(StretchY, OrthoOffsetY), MoveY);
}

BoxPoint PickBox::project(float X, float Y) const {
  return {sum(product(ScaleX, X), OffsetX), sum(product(ScaleY, Y), OffsetY)};
}

// The placement is multiplied onto the projection first; the corner
// (U, V), each +-0.5, then goes through the product. Halving is exact, so
// only the sum of the two halves and the final offset are rounded.
BoxPoint PickBox::projectUnitBoxCorner(const UnitBoxMap &Map, float U, float V) const {
  const float XofU = product(ScaleX, Map.Xx), XofV = product(ScaleX, Map.Yx);
  const float YofU = product(ScaleY, Map.Xy), YofV = product(ScaleY, Map.Yy);
  const float CentreX = sum(product(ScaleX, Map.Cx), OffsetX);
  const float CentreY = sum(product(ScaleY, Map.Cy), OffsetY);
  return {sum(sum(product(XofU, U), product(XofV, V)), CentreX),
          sum(sum(product(YofU, U), product(YofV, V)), CentreY)};
}

bool PickBox::meetsRect(float X0, float Y0, float X1, float Y1) const {
  const BoxPoint A = project(X0, Y0), B = project(X1, Y1);
  return spanMeetsBox(A.X, B.X) && spanMeetsBox(A.Y, B.Y);
}

// Two convex shapes are apart exactly when a line parallel to a side of one
// of them runs between them: the box's own sides first, then the square's.
bool PickBox::meetsUnitBox(const UnitBoxMap &Map) const {
  const std::array<BoxPoint, 4> Corners = {
      projectUnitBoxCorner(Map, -0.5f, -0.5f), projectUnitBoxCorner(Map, -0.5f, 0.5f),
      projectUnitBoxCorner(Map, 0.5f, 0.5f), projectUnitBoxCorner(Map, 0.5f, -0.5f)};
  float LowX = Corners[0].X, HighX = LowX, LowY = Corners[0].Y, HighY = LowY;
  for (const BoxPoint &P : Corners) {
    LowX = std::min(LowX, P.X);
    HighX = std::max(HighX, P.X);
    LowY = std::min(LowY, P.Y);
    HighY = std::max(HighY, P.Y);
  }
  if (!spanMeetsBox(LowX, HighX) || !spanMeetsBox(LowY, HighY))
    return false;
  for (size_t I = 0; I < Corners.size(); ++I)
    if (edgeSeparates(Corners, Corners[I], Corners[(I + 1) % Corners.size()]))
      return false;
  return true;
}
