// Shared drawing of the icons.
#include "icon_kit.h"

#include <cstdio>
#include <cstdlib>

#include "png_file.h"

Canvas iconCanvas(int PixelWidth, int PixelHeight, float Width, float Height) {
  return Canvas(PixelWidth, PixelHeight, Width, Height);
}

void drawTile(Canvas &Icon, float X0, float Y0, float X1, float Y1, Rgba Top, Rgba Bottom,
              Rgba Frame) {
  const float Radius = (Y1 - Y0) * 0.25f;
  Icon.fill(roundedRectangle(X0, Y0, X1, Y1, Radius), [=](float, float Y) {
    const float T = (Y - Y0) / (Y1 - Y0);
    return Rgba{Top.R + (Bottom.R - Top.R) * T, Top.G + (Bottom.G - Top.G) * T,
                Top.B + (Bottom.B - Top.B) * T, Top.A + (Bottom.A - Top.A) * T};
  });
  const float Line = (Y1 - Y0) * 0.045f + 0.35f;
  Icon.fill(roundedFrame(X0 + Line, Y0 + Line, X1 - Line, Y1 - Line, Radius - Line, Line), Frame);
}

void drawText(Canvas &Icon, Font &Glyphs, const std::string &Text, float X, float Baseline,
              float Em, float Bold, Rgba Colour) {
  const GlyphStyle Style{Em * Icon.scaleX(), Em * Icon.scaleY(), Bold * Icon.scaleX()};
  float PenX = X * Icon.scaleX();
  for (unsigned char C : Text) {
    Glyphs.draw(Icon, C, Style, PenX, Baseline * Icon.scaleY(), Colour);
    PenX += Glyphs.advance(C, Style);
  }
}

float textWidth(Canvas &Icon, Font &Glyphs, const std::string &Text, float Em, float Bold) {
  const GlyphStyle Style{Em * Icon.scaleX(), Em * Icon.scaleY(), Bold * Icon.scaleX()};
  float Width = 0;
  for (unsigned char C : Text)
    Width += Glyphs.advance(C, Style);
  return Width / Icon.scaleX();
}

void drawEquals(Canvas &Icon, Vec C, float S, Rgba Colour) {
  const float Hw = S * 0.11f;
  Icon.fill(stroke({{C.X - S * 0.36f, C.Y - S * 0.17f}, {C.X + S * 0.36f, C.Y - S * 0.17f}}, Hw),
            Colour);
  Icon.fill(stroke({{C.X - S * 0.36f, C.Y + S * 0.17f}, {C.X + S * 0.36f, C.Y + S * 0.17f}}, Hw),
            Colour);
}

void drawPlusMinus(Canvas &Icon, Vec C, float S, Rgba Colour) {
  const float Hw = S * 0.1f;
  const float Mid = C.Y - S * 0.1f;
  Icon.fill(stroke({{C.X - S * 0.34f, Mid}, {C.X + S * 0.34f, Mid}}, Hw), Colour);
  Icon.fill(stroke({{C.X, Mid - S * 0.32f}, {C.X, Mid + S * 0.32f}}, Hw), Colour);
  Icon.fill(stroke({{C.X - S * 0.34f, C.Y + S * 0.38f}, {C.X + S * 0.34f, C.Y + S * 0.38f}}, Hw),
            Colour);
}

void saveIcon(const std::string &Dir, const std::string &Name, const Canvas &Icon) {
  const std::string IconPath = Dir + "/" + Name;
  if (!writeRgbaPng(IconPath, Icon)) {
    std::fprintf(stderr, "Cannot write %s\n", IconPath.c_str());
    std::exit(1);
  }
}
