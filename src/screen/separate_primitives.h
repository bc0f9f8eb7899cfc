// A frame's primitives as separate triangles and separate segments, each
// vertex already moved by its command's matrix. A back end that cannot
// afford one draw call per command (WebGL on a software renderer) draws
// consecutive commands of one state as one list this way, in their order.
#ifndef QUOVADRIN_SCREEN_SEPARATE_PRIMITIVES_H
#define QUOVADRIN_SCREEN_SEPARATE_PRIMITIVES_H

#include <cstdint>
#include <vector>

#include "screen/draw_list.h"

/// The affine map of a DrawTransform: (x, y) lands on
/// (Xx x + Yx y + Tx, Xy x + Yy y + Ty) in the panel's layout units.
struct AffineMap {
  float Xx = 1, Xy = 0;
  float Yx = 0, Yy = 1;
  float Tx = 0, Ty = 0;
};

/// Moved, turned by Rotation degrees (when Turned), then scaled, as the
/// desktop's matrix stack applies a DrawTransform.
AffineMap placementOf(const DrawTransform &Matrix);

/// Whether \p Kind draws lines (Lines, LineStrip, LineLoop) rather than
/// filling.
bool isLineKind(Primitive Kind);

/// Appends the \p Count vertices of one \p Kind primitive, placed by \p Map,
/// to \p Out: filled kinds as separate triangles (polygons and quads as
/// fans), line kinds as separate segments (a loop closed back to its first
/// vertex). Incomplete trailing triangles, quads or segments are dropped,
/// as GL drops them.
void appendAsSeparate(const DrawVertex *Vertices, uint32_t Count, Primitive Kind,
                      const AffineMap &Map, std::vector<DrawVertex> &Out);

#endif
