// Random shape geometry. Values are computed in double and stored as float;
// every nextRandom() call is one draw, and the statements are kept apart so
// that the draw order is exactly the order written.
#include "exec/shape_geometry.h"

#include "model/random_source.h"

namespace {

double drawModulo(RandomSource &R, int Modulus) { return R.nextRandom() % Modulus; }

/// One coordinate of a random polyline point or free-line end.
float drawUnitCoordinate(RandomSource &R) {
  return static_cast<float>(drawModulo(R, 100) * 0.01 - 0.5);
}

/// A blob control point's distance from an axis: 0.1 to 0.496.
double drawBlobOffset(RandomSource &R) { return drawModulo(R, 100) / 250.0 + 0.1; }

Point midpoint(const Point &A, const Point &B) {
  return {A.x + (B.x - A.x) * 0.5f, A.y + (B.y - A.y) * 0.5f};
}

Point drawUnitPoint(RandomSource &R) {
  Point P;
  P.x = drawUnitCoordinate(R);
  P.y = drawUnitCoordinate(R);
  return P;
}

} // namespace

void generateBlobOutline(RandomSource &R, Point *Outline) {
  Point Control[6];
  Control[0] = {static_cast<float>(drawModulo(R, 10) * 0.01), 0.5f};
  Control[3] = {static_cast<float>(drawModulo(R, 10) * 0.01), -0.5f};
  Control[1].x = static_cast<float>(drawBlobOffset(R));
  Control[1].y = static_cast<float>(drawBlobOffset(R));
  Control[2].x = static_cast<float>(drawBlobOffset(R));
  Control[2].y = static_cast<float>(-drawBlobOffset(R));
  Control[4].x = static_cast<float>(-drawBlobOffset(R));
  Control[4].y = static_cast<float>(-drawBlobOffset(R));
  Control[5].x = static_cast<float>(-drawBlobOffset(R));
  Control[5].y = static_cast<float>(drawBlobOffset(R));
  for (int K = 0; K < 6; ++K) {
    Outline[2 * K] = Control[K];
    Outline[2 * K + 1] = midpoint(Control[K], Control[(K + 1) % 6]);
  }
}

void generateFreeLineEnds(RandomSource &R, float *Ends) {
  for (int I = 0; I < 4; ++I)
    Ends[I] = drawUnitCoordinate(R);
}

void generateSoftLineOutline(RandomSource &R, Point *Outline) {
  Point Q[6];
  for (int K = 0; K < 6; ++K) {
    Q[K].x = static_cast<float>(drawModulo(R, 10) * (K / 50.0) - 0.5);
    Q[K].y = static_cast<float>(drawModulo(R, 30) / 30.0 - 0.5);
  }
  // The line always spans the cell from its left to its right edge.
  Q[0].x = -0.5f;
  Q[5].x = 0.5f;
  Outline[0] = Q[0];
  Outline[1] = Q[1];
  Outline[2] = midpoint(Q[1], Q[2]);
  Outline[3] = Q[2];
  Outline[4] = midpoint(Q[2], Q[3]);
  Outline[5] = Q[3];
  Outline[6] = midpoint(Q[3], Q[4]);
  Outline[7] = Q[4];
  Outline[8] = Q[5];
}

void generateRasterPolyline(RandomSource &R, Point *Points, int N) {
  for (int I = 0; I < N; I += 2)
    Points[I] = drawUnitPoint(R);
  for (int I = 1; I < N; I += 2)
    Points[I] = {Points[I - 1].x, Points[(I + 1) % N].y};
}

void generateFreePolyline(RandomSource &R, Point *Points, int N) {
  for (int I = 0; I < N; ++I)
    Points[I] = drawUnitPoint(R);
}

void generateSoftPolyline(RandomSource &R, Point *Points, Point *Midpoints, int N) {
  generateFreePolyline(R, Points, N);
  for (int I = 0; I < N; ++I)
    Midpoints[I] = midpoint(Points[I], Points[(I + 1) % N]);
}
