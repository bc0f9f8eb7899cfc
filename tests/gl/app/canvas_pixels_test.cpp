// Canvas pixel rectangles: layout bounds to pixels at other screen sizes,
// with the margin, cut to the canvas, and the pieces of one rectangle around
// another that must cover it exactly once.
#include <gtest/gtest.h>

#include "app/canvas_pixels.h"

namespace {

CanvasBounds bounds(float Left, float Top, float Right, float Bottom) {
  CanvasBounds B;
  B.include(Left, Top);
  B.include(Right, Bottom);
  return B;
}

/// How often each pixel of a 20 x 20 field lies in the rectangles.
std::vector<int> coverCounts(const std::vector<PixelRect> &Rects) {
  std::vector<int> Counts(400, 0);
  for (const PixelRect &R : Rects)
    for (int Y = R.Bottom; Y < R.Top; ++Y)
      for (int X = R.Left; X < R.Right; ++X)
        ++Counts[static_cast<size_t>(Y * 20 + X)];
  return Counts;
}

} // namespace

TEST(CanvasPixels, LayoutBoundsBecomePixelsCountedFromTheBottom) {
  // At 1024 x 768 a layout unit is a pixel; at 1280 x 1024 it is 1.25 wide
  // and 4/3 high.
  const PanelRect Small = WindowLayout(ScreenSize{1024, 768}).panel(Panel::Canvas);
  EXPECT_EQ(pixelsCovering(bounds(100, 8, 140, 20), Small, 0), (PixelRect{100, 748, 140, 760}));
  EXPECT_EQ(pixelsCovering(bounds(100.5f, 8, 139.5f, 20), Small, 2),
            (PixelRect{98, 746, 142, 762}));
  const PanelRect Large = WindowLayout(ScreenSize{1280, 1024}).panel(Panel::Canvas);
  EXPECT_EQ(pixelsCovering(bounds(100, 1, 140, 29), Large, 0), (PixelRect{125, 985, 175, 1023}));
}

TEST(CanvasPixels, BoundsAreCutToTheCanvas) {
  const PanelRect Canvas = WindowLayout(ScreenSize{1024, 768}).panel(Panel::Canvas);
  EXPECT_EQ(pixelsCovering(bounds(-50, -1e9f, 600, 1e9f), Canvas, 2), (PixelRect{0, 0, 512, 768}));
  EXPECT_TRUE(pixelsCovering(bounds(700, 10, 900, 20), Canvas, 2).empty()) << "right of it";
  EXPECT_TRUE(pixelsCovering(CanvasBounds(), Canvas, 2).empty());
}

TEST(CanvasPixels, IntersectionAndTheRestAround) {
  const PixelRect A{2, 3, 15, 18};
  const PixelRect Inside{5, 6, 9, 10}, Across{10, 0, 20, 8}, Apart{16, 0, 20, 2};
  EXPECT_EQ(intersection(A, Across), (PixelRect{10, 3, 15, 8}));
  EXPECT_TRUE(intersection(A, Apart).empty());
  EXPECT_EQ(difference(A, Apart), std::vector<PixelRect>{A});
  EXPECT_TRUE(difference(A, A).empty());
  EXPECT_TRUE(difference(PixelRect(), Inside).empty());
  for (const PixelRect &B : {Inside, Across, Apart}) {
    const std::vector<int> Rest = coverCounts(difference(A, B));
    const std::vector<int> Whole = coverCounts({A});
    const std::vector<int> Cut = coverCounts({intersection(A, B)});
    for (size_t I = 0; I < Whole.size(); ++I)
      EXPECT_EQ(Rest[I], Whole[I] - Cut[I]) << "pixel " << I % 20 << ", " << I / 20;
  }
  EXPECT_EQ(difference(A, Inside).size(), 4u);
}
