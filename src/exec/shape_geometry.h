// The random geometry of the shape kinds, generated into caller-given buffers
// in unit-cell coordinates. Each function draws from the generator it is
// given in a fixed order, so a seed always gives the same figure; a Shape and
// the pen marker preview of its tool are made by the same functions.
#ifndef QUOVADRIN_EXEC_SHAPE_GEOMETRY_H
#define QUOVADRIN_EXEC_SHAPE_GEOMETRY_H

#include "exec/point.h"

class RandomSource;

/// Six random control points (top, bottom, upper right, lower right, lower
/// left, upper left) and the midpoints between neighbours: 12 outline points,
/// control points at the even indices.
void generateBlobOutline(RandomSource &R, Point *Outline);

/// Four draws of -0.5 to 0.49, stored in the order drawn.
void generateFreeLineEnds(RandomSource &R, float *Ends);

/// The nine outline points of a soft line, from x = -0.5 to x = 0.5. Entries
/// 9 to 11 are left as they are.
void generateSoftLineOutline(RandomSource &R, Point *Outline);

/// \p N points: random ones at the even indices, and at each odd index a
/// corner that keeps the x of the point before and takes the y of the point
/// after, (i + 1) mod N, so that with an even N the last corner leads back to
/// point 0 axis-parallel. Nothing for N <= 0.
void generateRasterPolyline(RandomSource &R, Point *Points, int N);

/// \p N random points.
void generateFreePolyline(RandomSource &R, Point *Points, int N);

/// \p N random points and the midpoint after each, the last one between
/// point N - 1 and point 0.
void generateSoftPolyline(RandomSource &R, Point *Points, Point *Midpoints, int N);

#endif
