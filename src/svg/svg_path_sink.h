// A figure sink that turns each primitive of a Shape's figure into one SVG
// path element, its vertices placed on the canvas by the Shape's unit-box
// map: separate segments as subpaths of their own, a strip open, a loop
// closed.
#ifndef QUOVADRIN_SVG_SVG_PATH_SINK_H
#define QUOVADRIN_SVG_SVG_PATH_SINK_H

#include <string>
#include <vector>

#include "screen/shape_figure.h"

class SvgPathSink final : public FigureSink {
public:
  /// Appends the path elements to \p Out, one per line.
  explicit SvgPathSink(std::string &GivenOut) : Out(GivenOut) {}

  /// Where the next figure's unit box lies on the canvas.
  void place(const UnitBoxMap &Map) { Placement = Map; }

  void begin(Primitive Kind) override;
  void vertex(float X, float Y) override;
  void end() override;

private:
  struct CanvasPoint {
    float X, Y;
  };

  void appendPoint(char Command, const CanvasPoint &P);

  std::string &Out;
  UnitBoxMap Placement{1, 0, 0, 1, 0, 0};
  Primitive Kind = Primitive::LineStrip;
  std::vector<CanvasPoint> Points;
};

#endif
