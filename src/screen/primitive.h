// The kinds of primitive a frame is made of, named after what they draw
// rather than after any graphics API, so that every back end can map them
// to its own calls.
#ifndef QUOVADRIN_SCREEN_PRIMITIVE_H
#define QUOVADRIN_SCREEN_PRIMITIVE_H

enum class Primitive {
  /// A filled convex polygon of all its vertices.
  Polygon,
  /// Filled convex quads of four vertices each, every quad a polygon of its
  /// own (the glyphs of a text).
  Quads,
  /// Filled triangles of three vertices each.
  Triangles,
  /// Separate segments of two vertices each.
  Lines,
  /// Segments from each vertex to the next.
  LineStrip,
  /// A strip closed from the last vertex back to the first.
  LineLoop,
};

#endif
