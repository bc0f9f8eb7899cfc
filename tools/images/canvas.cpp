// Supersampled painting and the conversion to 8-bit samples.
#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SamplesPerSide = 4;

unsigned char toByte(float V) {
  return static_cast<unsigned char>(std::lround(std::clamp(V, 0.0f, 1.0f) * 255.0f));
}

} // namespace

Rgba rgb(int R, int G, int B, float A) {
  return {static_cast<float>(R) / 255.0f, static_cast<float>(G) / 255.0f,
          static_cast<float>(B) / 255.0f, A};
}

Canvas::Canvas(int GivenPixelWidth, int GivenPixelHeight, float DesignWidth, float DesignHeight)
    : PixelWidth(GivenPixelWidth), PixelHeight(GivenPixelHeight),
      ScaleX(static_cast<float>(GivenPixelWidth) / DesignWidth),
      ScaleY(static_cast<float>(GivenPixelHeight) / DesignHeight),
      Premultiplied(
          static_cast<size_t>(GivenPixelWidth) * static_cast<size_t>(GivenPixelHeight) * 4, 0.0f) {}

void Canvas::fill(const InsideFn &Inside, Rgba Colour) {
  fill(Inside, [Colour](float, float) { return Colour; });
}

void Canvas::fill(const InsideFn &Inside, const ShadeFn &Shade) {
  const float Step = 1.0f / SamplesPerSide;
  for (int Py = 0; Py < PixelHeight; ++Py) {
    for (int Px = 0; Px < PixelWidth; ++Px) {
      int Hits = 0;
      for (int Sy = 0; Sy < SamplesPerSide; ++Sy)
        for (int Sx = 0; Sx < SamplesPerSide; ++Sx) {
          const float X =
              (static_cast<float>(Px) + (static_cast<float>(Sx) + 0.5f) * Step) / ScaleX;
          const float Y =
              (static_cast<float>(Py) + (static_cast<float>(Sy) + 0.5f) * Step) / ScaleY;
          Hits += Inside(X, Y) ? 1 : 0;
        }
      if (Hits == 0)
        continue;
      const float Cx = (static_cast<float>(Px) + 0.5f) / ScaleX;
      const float Cy = (static_cast<float>(Py) + 0.5f) / ScaleY;
      blend(Px, Py, Shade(Cx, Cy),
            static_cast<float>(Hits) / static_cast<float>(SamplesPerSide * SamplesPerSide));
    }
  }
}

void Canvas::blend(int X, int Y, Rgba Colour, float Coverage) {
  if (X < 0 || Y < 0 || X >= PixelWidth || Y >= PixelHeight)
    return;
  float *P = &Premultiplied[(static_cast<size_t>(Y) * static_cast<size_t>(PixelWidth) +
                             static_cast<size_t>(X)) *
                            4];
  const float A = std::clamp(Colour.A * Coverage, 0.0f, 1.0f);
  P[0] = Colour.R * A + P[0] * (1 - A);
  P[1] = Colour.G * A + P[1] * (1 - A);
  P[2] = Colour.B * A + P[2] * (1 - A);
  P[3] = A + P[3] * (1 - A);
}

std::vector<unsigned char> Canvas::rgba8() const {
  std::vector<float> Straight(Premultiplied.size());
  for (size_t I = 0; I < Premultiplied.size(); I += 4) {
    const float A = Premultiplied[I + 3];
    for (size_t C = 0; C < 3; ++C)
      Straight[I + C] = A > 0 ? Premultiplied[I + C] / A : 0.0f;
    Straight[I + 3] = A;
  }
  bleedIntoTransparency(Straight);
  std::vector<unsigned char> Out(Straight.size());
  for (size_t I = 0; I < Straight.size(); ++I)
    Out[I] = toByte(Straight[I]);
  return Out;
}

// Filtering mixes the colour of fully transparent texels into the edges of a
// figure; giving them the colour of their nearest painted neighbours keeps
// the edges free of dark fringes at every mipmap level.
void Canvas::bleedIntoTransparency(std::vector<float> &Straight) const {
  std::vector<char> Known(Straight.size() / 4);
  for (size_t I = 0; I < Known.size(); ++I)
    Known[I] = Straight[I * 4 + 3] > 0 ? 1 : 0;
  for (int Pass = 0; Pass < 16; ++Pass) {
    std::vector<char> NowKnown = Known;
    for (int Y = 0; Y < PixelHeight; ++Y)
      for (int X = 0; X < PixelWidth; ++X) {
        const size_t Here =
            static_cast<size_t>(Y) * static_cast<size_t>(PixelWidth) + static_cast<size_t>(X);
        if (Known[Here])
          continue;
        float Sum[3] = {0, 0, 0};
        int Count = 0;
        for (int Dy = -1; Dy <= 1; ++Dy)
          for (int Dx = -1; Dx <= 1; ++Dx) {
            const int Nx = X + Dx, Ny = Y + Dy;
            if (Nx < 0 || Ny < 0 || Nx >= PixelWidth || Ny >= PixelHeight)
              continue;
            const size_t There =
                static_cast<size_t>(Ny) * static_cast<size_t>(PixelWidth) + static_cast<size_t>(Nx);
            if (!Known[There])
              continue;
            for (size_t C = 0; C < 3; ++C)
              Sum[C] += Straight[There * 4 + C];
            ++Count;
          }
        if (Count == 0)
          continue;
        for (size_t C = 0; C < 3; ++C)
          Straight[Here * 4 + C] = Sum[C] / static_cast<float>(Count);
        NowKnown[Here] = 1;
      }
    Known.swap(NowKnown);
  }
}

std::vector<unsigned char> Canvas::greyAlpha8() const {
  std::vector<unsigned char> Out(Premultiplied.size() / 2);
  for (size_t I = 0, O = 0; I < Premultiplied.size(); I += 4, O += 2) {
    const float A = Premultiplied[I + 3];
    const float Luma =
        0.299f * Premultiplied[I] + 0.587f * Premultiplied[I + 1] + 0.114f * Premultiplied[I + 2];
    Out[O] = toByte(A > 0 ? Luma / A : 0.0f);
    Out[O + 1] = toByte(A);
  }
  return Out;
}
