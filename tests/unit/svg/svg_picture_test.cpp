// The vector picture against the figures themselves: the numbers of every
// path, read back, are the vertices the figure sink gives for each Shape,
// placed by the Shape's unit-box map, one path per primitive with the
// primitive's own form. And the file is written whole or not at all.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <vector>

#include "exec/session.h"
#include "model/algorithm.h"
#include "random_shapes.h"
#include "scratch_dir.h"
#include "screen/shape_figure.h"
#include "svg/svg_picture.h"
#include "svg_text.h"

namespace {

struct Vertex {
  float X, Y;
};

/// One primitive as the figure sink gives it, placed on the canvas.
struct PlacedPrimitive {
  Primitive Kind;
  std::vector<Vertex> Vertices;
};

class PlacingSink final : public FigureSink {
public:
  explicit PlacingSink(std::vector<PlacedPrimitive> &GivenOut) : Out(GivenOut) {}
  void place(const UnitBoxMap &Map) { M = Map; }
  void begin(Primitive Kind) override { Out.push_back({Kind, {}}); }
  void vertex(float X, float Y) override {
    Out.back().Vertices.push_back({M.Xx * X + M.Yx * Y + M.Cx, M.Xy * X + M.Yy * Y + M.Cy});
  }
  void end() override {}

private:
  std::vector<PlacedPrimitive> &Out;
  UnitBoxMap M{};
};

std::vector<PlacedPrimitive> placedFigures(const Drawing &D) {
  std::vector<PlacedPrimitive> All;
  PlacingSink Sink(All);
  for (const Shape *S = D.head(); S; S = S->next) {
    Sink.place(unitBoxMap(*S));
    emitShapeFigure(*S, Sink);
  }
  return All;
}

/// A path's data read back: its commands (M, L, Z) and its numbers in pairs.
struct ReadPath {
  std::string Commands;
  std::vector<Vertex> Vertices;
};

std::vector<ReadPath> pathsOf(const std::string &Svg) {
  std::vector<ReadPath> Paths;
  const std::regex PathElement("<path d=\"([^\"]*)\"/>");
  for (std::sregex_iterator It(Svg.begin(), Svg.end(), PathElement), End; It != End; ++It) {
    std::istringstream Data((*It)[1].str());
    ReadPath Path;
    char Command = 0;
    while (Data >> Command) {
      Path.Commands += Command;
      Vertex V{};
      if (Command != 'Z' && Data >> V.X >> V.Y)
        Path.Vertices.push_back(V);
    }
    Paths.push_back(Path);
  }
  return Paths;
}

/// The commands a primitive's path must have: separate segments each start
/// anew, a strip runs on, a loop is closed.
std::string expectedCommands(const PlacedPrimitive &P) {
  std::string Commands;
  for (size_t I = 0; I < P.Vertices.size(); ++I)
    Commands += P.Kind == Primitive::Lines ? (I % 2 ? 'L' : 'M') : (I ? 'L' : 'M');
  return P.Kind == Primitive::LineLoop ? Commands + 'Z' : Commands;
}

/// A Drawing of every kind at random cells, sizes (mirrored and flat ones
/// among them), rotations and offsets.
void drawEveryKind(Session &S) {
  VariableSet &V = S.variables();
  S.algorithm().appendArithmetic(&V.h(), ArithmeticOp::Give, 7);
  S.algorithm().appendArithmetic(&V.v(), ArithmeticOp::Give, -5);
  drawRandomShapes(S, 40);
}

} // namespace

TEST(SvgPicture, EveryPathIsItsPrimitivesPlacedVertices) {
  Session S(424242);
  drawEveryKind(S);
  ASSERT_EQ(S.drawing().count(), 360);
  const std::vector<PlacedPrimitive> Figures = placedFigures(S.drawing());
  const std::vector<ReadPath> Paths = pathsOf(drawingSvg(S.drawing()));
  ASSERT_EQ(Paths.size(), Figures.size()) << "one path per primitive";
  for (size_t P = 0; P < Paths.size(); ++P) {
    const PlacedPrimitive &Figure = Figures[P];
    ASSERT_EQ(Paths[P].Commands, expectedCommands(Figure)) << "primitive " << P;
    ASSERT_EQ(Paths[P].Vertices.size(), Figure.Vertices.size());
    for (size_t I = 0; I < Figure.Vertices.size(); ++I) {
      EXPECT_NEAR(Paths[P].Vertices[I].X, Figure.Vertices[I].X, 0.0051) << P << ":" << I;
      EXPECT_NEAR(Paths[P].Vertices[I].Y, Figure.Vertices[I].Y, 0.0051) << P << ":" << I;
    }
  }
}

TEST(SvgPicture, TheCanvasInBlackOnWhiteWithNothingForKindsThatAreNotDrawn) {
  Session S(7);
  for (int Kind : {4, 5, 6, 1})
    S.algorithm().appendDraw(Kind);
  runWholeAlgorithm(S);
  const std::string Svg = drawingSvg(S.drawing());
  EXPECT_NE(Svg.find("viewBox=\"0 0 512 768\""), std::string::npos);
  EXPECT_NE(Svg.find("<rect width=\"512\" height=\"768\" fill=\"#ffffff\"/>"), std::string::npos);
  EXPECT_NE(Svg.find("fill=\"none\" stroke=\"#000000\""), std::string::npos);
  // The square at the top-left cell, its corners on the cell's corners.
  const std::vector<ReadPath> Paths = pathsOf(Svg);
  ASSERT_EQ(Paths.size(), 1u) << "the filled kinds leave no trace";
  EXPECT_EQ(Paths[0].Commands, "MLLLZ");
  EXPECT_NE(Svg.find("<path d=\"M0 0 L0 20 L20 20 L20 0 Z\"/>"), std::string::npos) << Svg;
}

TEST(SvgPicture, AFailedWriteLeavesWhatThePathHeldBefore) {
  ScratchDir Dir;
  Session S(99);
  drawRandomShapes(S, 3);
  ASSERT_EQ(writeVectorPicture(S.drawing(), "picture.svg"), BoundedWriteResult::Written);
  const std::string Before = fileContent("picture.svg");
  EXPECT_EQ(Before, drawingSvg(S.drawing()));
  drawRandomShapes(S, 5);
  ASSERT_NE(drawingSvg(S.drawing()), Before);
  for (int Fault = 0; Fault < 3; ++Fault) {
    FileFaultPlan Plan;
    Plan.FailWrite = Fault == 0 ? 1 : 0;
    Plan.FailSync = Fault == 1;
    Plan.FailRename = Fault == 2;
    EXPECT_EQ(writeVectorPicture(S.drawing(), "picture.svg", FileOperations(Plan)),
              BoundedWriteResult::Failed)
        << Fault;
    EXPECT_EQ(fileContent("picture.svg"), Before) << Fault;
    EXPECT_EQ(directoryEntries("."), std::vector<std::string>{"picture.svg"})
        << "no temporary file is left behind";
  }
  EXPECT_EQ(writeVectorPicture(S.drawing(), "no-such-folder/picture.svg"),
            BoundedWriteResult::Failed);
}

TEST(SvgPicture, ALargePictureLeavesInPiecesAndStopsWhereTheSinkRefuses) {
  // Each piece is handed on as soon as it is made: what the writer holds
  // never grows with the picture, and a sink that refuses (a size bound, a
  // full disk) gets nothing more.
  Session S(31);
  drawRandomShapes(S, 120);
  std::vector<size_t> Pieces;
  std::string Whole;
  ASSERT_TRUE(writeDrawingSvg(S.drawing(), [&](const char *Data, size_t Size) {
    Pieces.push_back(Size);
    Whole.append(Data, Size);
    return true;
  }));
  ASSERT_GT(Whole.size(), 300u * 1024) << "a picture large enough to need pieces";
  EXPECT_GT(Pieces.size(), 3u);
  for (size_t Size : Pieces)
    EXPECT_LT(Size, 96u * 1024);
  EXPECT_EQ(Whole.substr(0, 5), "<?xml");
  EXPECT_EQ(Whole.substr(Whole.size() - 12), "</g>\n</svg>\n");
  int Calls = 0;
  EXPECT_FALSE(
      writeDrawingSvg(S.drawing(), [&Calls](const char *, size_t) { return ++Calls < 2; }));
  EXPECT_EQ(Calls, 2);
}
