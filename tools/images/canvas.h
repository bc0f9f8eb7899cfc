// A floating-point RGBA canvas for the image generator. Figures are given as
// inside-tests in design units (the layout units of the widget the picture is
// for) and painted with 4 x 4 supersampling, so edges are smooth at any
// pixel size, also when design and pixel aspect differ.
#ifndef QUOVADRIN_TOOLS_IMAGES_CANVAS_H
#define QUOVADRIN_TOOLS_IMAGES_CANVAS_H

#include <functional>
#include <vector>

struct Rgba {
  float R, G, B, A;
};

/// Colours from 0-255 components.
Rgba rgb(int R, int G, int B, float A = 1.0f);

using InsideFn = std::function<bool(float X, float Y)>;
using ShadeFn = std::function<Rgba(float X, float Y)>;

class Canvas {
public:
  Canvas(int PixelWidth, int PixelHeight, float DesignWidth, float DesignHeight);

  int pixelWidth() const { return PixelWidth; }
  int pixelHeight() const { return PixelHeight; }
  /// Pixels per design unit.
  float scaleX() const { return ScaleX; }
  float scaleY() const { return ScaleY; }

  void fill(const InsideFn &Inside, Rgba Colour);
  void fill(const InsideFn &Inside, const ShadeFn &Shade);
  /// Lays \p Colour over pixel (X, Y) with the given coverage (0 to 1).
  void blend(int X, int Y, Rgba Colour, float Coverage);

  /// 8-bit straight-alpha RGBA rows, top first.
  std::vector<unsigned char> rgba8() const;
  /// 8-bit grey-alpha rows: the colour's luminance and the alpha.
  std::vector<unsigned char> greyAlpha8() const;

private:
  void bleedIntoTransparency(std::vector<float> &Straight) const;

  int PixelWidth, PixelHeight;
  float ScaleX, ScaleY;
  std::vector<float> Premultiplied; ///< R, G, B, A per pixel
};

#endif
