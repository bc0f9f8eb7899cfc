// Distance and crossing tests behind the figures.
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace {

float segmentDistanceSquared(Vec P, Vec A, Vec B) {
  const float Dx = B.X - A.X, Dy = B.Y - A.Y;
  const float Len2 = Dx * Dx + Dy * Dy;
  float T = Len2 > 0 ? ((P.X - A.X) * Dx + (P.Y - A.Y) * Dy) / Len2 : 0.0f;
  T = std::clamp(T, 0.0f, 1.0f);
  const float Ex = A.X + T * Dx - P.X, Ey = A.Y + T * Dy - P.Y;
  return Ex * Ex + Ey * Ey;
}

} // namespace

InsideFn disc(Vec C, float R) {
  return [=](float X, float Y) { return (X - C.X) * (X - C.X) + (Y - C.Y) * (Y - C.Y) <= R * R; };
}

InsideFn ellipse(Vec C, float Rx, float Ry) {
  return [=](float X, float Y) {
    const float U = (X - C.X) / Rx, V = (Y - C.Y) / Ry;
    return U * U + V * V <= 1;
  };
}

InsideFn ring(Vec C, float R, float Hw) {
  return [=](float X, float Y) {
    const float D = std::hypot(X - C.X, Y - C.Y);
    return std::fabs(D - R) <= Hw;
  };
}

InsideFn stroke(const Path &Points, float Hw, bool Closed) {
  Path P = Points;
  if (Closed && !P.empty())
    P.push_back(P.front());
  float MinX = 1e9f, MinY = 1e9f, MaxX = -1e9f, MaxY = -1e9f;
  for (const Vec &V : P) {
    MinX = std::min(MinX, V.X);
    MinY = std::min(MinY, V.Y);
    MaxX = std::max(MaxX, V.X);
    MaxY = std::max(MaxY, V.Y);
  }
  return [=](float X, float Y) {
    if (X < MinX - Hw || X > MaxX + Hw || Y < MinY - Hw || Y > MaxY + Hw)
      return false;
    const float Hw2 = Hw * Hw;
    for (size_t I = 0; I + 1 < P.size(); ++I)
      if (segmentDistanceSquared({X, Y}, P[I], P[I + 1]) <= Hw2)
        return true;
    return P.size() == 1 && segmentDistanceSquared({X, Y}, P[0], P[0]) <= Hw2;
  };
}

InsideFn polygon(const Path &Points) {
  return [=](float X, float Y) {
    bool Inside = false;
    for (size_t I = 0, J = Points.size() - 1; I < Points.size(); J = I++) {
      const Vec &A = Points[I], &B = Points[J];
      if ((A.Y > Y) != (B.Y > Y) && X < (B.X - A.X) * (Y - A.Y) / (B.Y - A.Y) + A.X)
        Inside = !Inside;
    }
    return Inside;
  };
}

InsideFn rectangle(float X0, float Y0, float X1, float Y1) {
  return [=](float X, float Y) { return X >= X0 && X <= X1 && Y >= Y0 && Y <= Y1; };
}

InsideFn roundedRectangle(float X0, float Y0, float X1, float Y1, float R) {
  return [=](float X, float Y) {
    if (X < X0 || X > X1 || Y < Y0 || Y > Y1)
      return false;
    const float Cx = std::clamp(X, X0 + R, X1 - R), Cy = std::clamp(Y, Y0 + R, Y1 - R);
    return (X - Cx) * (X - Cx) + (Y - Cy) * (Y - Cy) <= R * R;
  };
}

InsideFn roundedFrame(float X0, float Y0, float X1, float Y1, float R, float Hw) {
  return subtract(roundedRectangle(X0 - Hw, Y0 - Hw, X1 + Hw, Y1 + Hw, R + Hw),
                  roundedRectangle(X0 + Hw, Y0 + Hw, X1 - Hw, Y1 - Hw, std::max(R - Hw, 0.0f)));
}

InsideFn unite(InsideFn A, InsideFn B) {
  return [A = std::move(A), B = std::move(B)](float X, float Y) { return A(X, Y) || B(X, Y); };
}

InsideFn subtract(InsideFn A, InsideFn B) {
  return [A = std::move(A), B = std::move(B)](float X, float Y) { return A(X, Y) && !B(X, Y); };
}

Path quadraticBezier(Vec P0, Vec P1, Vec P2, int Steps) {
  Path Out;
  for (int K = 0; K <= Steps; ++K) {
    const float T = static_cast<float>(K) / static_cast<float>(Steps);
    const float U = 1 - T;
    Out.push_back({U * U * P0.X + 2 * T * U * P1.X + T * T * P2.X,
                   U * U * P0.Y + 2 * T * U * P1.Y + T * T * P2.Y});
  }
  return Out;
}

Path smoothCurve(const Path &C, bool Closed) {
  auto Mid = [](Vec A, Vec B) { return Vec{(A.X + B.X) / 2, (A.Y + B.Y) / 2}; };
  Path Out;
  const size_t N = C.size();
  if (Closed) {
    for (size_t I = 0; I < N; ++I) {
      Path Piece = quadraticBezier(Mid(C[I], C[(I + 1) % N]), C[(I + 1) % N],
                                   Mid(C[(I + 1) % N], C[(I + 2) % N]));
      Out.insert(Out.end(), Piece.begin(), Piece.end());
    }
    return Out;
  }
  Out.push_back(C.front());
  for (size_t I = 1; I + 1 < N; ++I) {
    const Vec Start = I == 1 ? C[0] : Mid(C[I - 1], C[I]);
    const Vec End = I + 2 == N ? C[N - 1] : Mid(C[I], C[I + 1]);
    Path Piece = quadraticBezier(Start, C[I], End);
    Out.insert(Out.end(), Piece.begin(), Piece.end());
  }
  return Out;
}

InsideFn arrowHead(Vec From, Vec Tip, float Length, float Hw) {
  const float Dx = Tip.X - From.X, Dy = Tip.Y - From.Y;
  const float L = std::hypot(Dx, Dy);
  const float Ux = Dx / L, Uy = Dy / L;
  const Vec Base{Tip.X - Ux * Length, Tip.Y - Uy * Length};
  return polygon({Tip, {Base.X - Uy * Hw, Base.Y + Ux * Hw}, {Base.X + Uy * Hw, Base.Y - Ux * Hw}});
}

Path arc(Vec C, float R, float A0, float A1, int Steps) {
  Path Out;
  for (int K = 0; K <= Steps; ++K) {
    const float A = A0 + (A1 - A0) * static_cast<float>(K) / static_cast<float>(Steps);
    Out.push_back({C.X + R * std::cos(A), C.Y + R * std::sin(A)});
  }
  return Out;
}
