// Path data from figure vertices. A primitive that would draw nothing on the
// screen (fewer than two vertices, a segment without its second end) gives
// no element, so the file holds no empty or dangling paths.
#include "svg/svg_path_sink.h"

#include "svg/svg_number.h"

void SvgPathSink::begin(Primitive NewKind) {
  Kind = NewKind;
  Points.clear();
}

void SvgPathSink::vertex(float X, float Y) {
  const UnitBoxMap &M = Placement;
  Points.push_back({M.Xx * X + M.Yx * Y + M.Cx, M.Xy * X + M.Yy * Y + M.Cy});
}

void SvgPathSink::appendPoint(char Command, const CanvasPoint &P) {
  Out += Command;
  appendSvgNumber(Out, P.X);
  Out += ' ';
  appendSvgNumber(Out, P.Y);
}

void SvgPathSink::end() {
  // Only outlines are Shapes' figures; the filled kinds serve picking and
  // text, which a picture of the Drawing never holds.
  const bool Segments = Kind == Primitive::Lines;
  const bool Closed = Kind == Primitive::LineLoop || Kind == Primitive::Polygon;
  if (!Segments && !Closed && Kind != Primitive::LineStrip)
    return;
  const size_t Count = Segments ? Points.size() / 2 * 2 : Points.size();
  if (Count < 2)
    return;
  Out += "<path d=\"";
  for (size_t I = 0; I < Count; ++I) {
    // Each pair of separate segments starts a subpath of its own.
    const bool Starts = Segments ? I % 2 == 0 : I == 0;
    if (I > 0)
      Out += ' ';
    appendPoint(Starts ? 'M' : 'L', Points[I]);
  }
  if (Closed)
    Out += " Z";
  Out += "\"/>\n";
}
