// Canvas pixel rectangles.
#include "app/canvas_pixels.h"

#include <algorithm>
#include <cmath>

namespace {

/// Held within 0 to Limit before it becomes an int: bounds computed from a
/// learner's Variables may lie far off the canvas.
int pixelWithin(float Value, int Limit) {
  return static_cast<int>(std::clamp(Value, 0.0f, static_cast<float>(Limit)));
}

} // namespace

PixelRect pixelsCovering(const CanvasBounds &Bounds, const PanelRect &Canvas, float Margin) {
  if (Bounds.Empty)
    return {};
  const float ScaleX = static_cast<float>(Canvas.Width) / static_cast<float>(Canvas.LayoutWidth);
  const float ScaleY = static_cast<float>(Canvas.Height) / static_cast<float>(LayoutHeight);
  const float Height = static_cast<float>(Canvas.Height);
  return {pixelWithin(std::floor(Bounds.Left * ScaleX - Margin), Canvas.Width),
          pixelWithin(std::floor(Height - Bounds.Bottom * ScaleY - Margin), Canvas.Height),
          pixelWithin(std::ceil(Bounds.Right * ScaleX + Margin), Canvas.Width),
          pixelWithin(std::ceil(Height - Bounds.Top * ScaleY + Margin), Canvas.Height)};
}

PixelRect intersection(const PixelRect &A, const PixelRect &B) {
  const PixelRect Common{std::max(A.Left, B.Left), std::max(A.Bottom, B.Bottom),
                         std::min(A.Right, B.Right), std::min(A.Top, B.Top)};
  return Common.empty() ? PixelRect() : Common;
}

std::vector<PixelRect> difference(const PixelRect &A, const PixelRect &B) {
  const PixelRect Common = intersection(A, B);
  if (Common.empty())
    return A.empty() ? std::vector<PixelRect>() : std::vector<PixelRect>{A};
  const PixelRect Parts[] = {{A.Left, A.Bottom, A.Right, Common.Bottom},
                             {A.Left, Common.Top, A.Right, A.Top},
                             {A.Left, Common.Bottom, Common.Left, Common.Top},
                             {Common.Right, Common.Bottom, A.Right, Common.Top}};
  std::vector<PixelRect> Rest;
  for (const PixelRect &Part : Parts)
    if (!Part.empty())
      Rest.push_back(Part);
  return Rest;
}
