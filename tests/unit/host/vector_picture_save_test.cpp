// The vector picture of a save: the Drawing on the canvas as an SVG, written
// after the .alg file and the PNG; when it fails or would be too large, the
// two others are what any save writes, and the message says what is missing.
// When all three are written the message is the plain confirmation.
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

#include "files/alg_format.h"
#include "lab_fixture.h"
#include "scratch_dir.h"
#include "screen/separate_primitives.h"
#include "svg_text.h"
#include "watchdog.h"

namespace {

const char Seed[] = "1234567890";

std::string savedPath(const char *Folder, char Letter, const char *Extension) {
  return std::string(Folder) + "/seed_" + Seed + "-" + Letter + Extension;
}

/// A laboratory whose canvas holds circles and blobs drawn by a whole
/// preview, then shown with the grid again, as every save sees it.
struct DrawnLab : LabFixture {
  DrawnLab() : LabFixture(1234567890) {
    Lab.session().clearAlgorithm();
    clickTool(PickName::Circle);
    clickTool(PickName::Circle);
    clickTool(PickName::Blob);
    clickTool(PickName::Blob);
    click({ListingLayoutLeft + 20, LayoutHeight - 100}, MouseButton::Right);
    clickTool(PickName::Title);
  }
  /// A click on the save Button: whether the learner is told that the work
  /// was saved (with or without its vector copy).
  bool save() {
    clickTool(PickName::Save);
    const std::string Failed = " nicht gespeichert";
    const std::string &Told = Lab.state().Popup.text();
    return Lab.state().Popup.Visible && Told.size() > Failed.size() &&
           Told.compare(Told.size() - Failed.size(), Failed.size(), Failed) != 0;
  }
};

} // namespace

TEST(VectorPictureSave, WrittenFromTheDrawingWithThePlainConfirmation) {
  ScratchDir Dir;
  DrawnLab F;
  ASSERT_EQ(F.Lab.session().drawing().count(), 2);
  EXPECT_TRUE(F.save());
  EXPECT_EQ(F.Lab.state().Popup.text(), "seed_1234567890-a gespeichert");
  EXPECT_EQ(fileContent(savedPath("vorpImages", 'a', ".svg")),
            drawingSvg(F.Lab.session().drawing()));
}

TEST(VectorPictureSave, AFailedVectorPictureKeepsTheOtherTwoAndIsTold) {
  ScratchDir Dir;
  DrawnLab F;
  ASSERT_TRUE(F.save());
  const std::string Algorithm = fileContent(savedPath("vorpAlgorithms", 'a', ".alg"));
  const std::string Picture = fileContent(savedPath("vorpImages", 'a', ".png"));
  const char Letters[] = "bcd";
  for (int Fault = 0; Fault < 3; ++Fault) {
    const char Letter = Letters[Fault];
    FileFaultPlan Plan;
    Plan.Path = savedPath("vorpImages", Letter, ".svg");
    Plan.FailWrite = Fault == 0 ? 1 : 0;
    Plan.FailClose = Fault == 1;
    Plan.FailRename = Fault == 2;
    F.Lab.storage().setFaults(Plan);
    EXPECT_TRUE(F.save()) << "the algorithm and its PNG are saved";
    EXPECT_EQ(F.Lab.state().Popup.text(),
              std::string("seed_1234567890-") + Letter + " gespeichert (SVG nicht gespeichert)");
    EXPECT_EQ(fileContent(savedPath("vorpAlgorithms", Letter, ".alg")), Algorithm);
    EXPECT_EQ(fileContent(savedPath("vorpImages", Letter, ".png")), Picture);
    EXPECT_EQ(fileContent(savedPath("vorpImages", Letter, ".svg")), "<missing>");
  }
  EXPECT_EQ(directoryEntries("vorpImages").size(), 5u) << "four PNGs, one SVG, no temporary file";
  // The next save that succeeds says so plainly again.
  F.Lab.storage().setFaults(FileFaultPlan());
  EXPECT_TRUE(F.save());
  EXPECT_EQ(F.Lab.state().Popup.text(), "seed_1234567890-e gespeichert");
}

// A picture without its algorithm is no save: the vector picture comes only
// after both.
TEST(VectorPictureSave, NoVectorPictureWhenTheSaveItselfFailed) {
  ScratchDir Dir;
  DrawnLab F;
  for (const char *Failing : {".png", ".alg"}) {
    const char Letter = static_cast<char>(F.Lab.saveLetter() + 1);
    FileFaultPlan Plan;
    Plan.Path = savedPath(Failing[1] == 'p' ? "vorpImages" : "vorpAlgorithms", Letter, Failing);
    Plan.FailRename = true;
    F.Lab.storage().setFaults(Plan);
    EXPECT_FALSE(F.save());
    EXPECT_EQ(F.Lab.state().Popup.text(),
              std::string("seed_1234567890-") + Letter + " nicht gespeichert");
    EXPECT_EQ(fileContent(savedPath("vorpImages", Letter, ".svg")), "<missing>");
  }
}

TEST(VectorPictureSave, APictureOfGigabytesIsNotWrittenAndTheWorkIsSaved) {
  // A curve of 400 points drawn again and again until the step cap stops the
  // preview: some 33,000 curves, an SVG of 2 GB. The save must not try to
  // hold or write it; the algorithm and its PNG are saved as always.
  ScratchDir Dir;
  Watchdog Guard(120);
  DrawnLab F;
  const std::string Curve = std::string(AlgorithmFileHeader) +
                            "Gib n den Wert 400\r\nWiederhole 2147483647 mal:\r\n"
                            "  Zeichne weichen Linienzug\r\nWiederhole bis hier.\r\n";
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/seed_7-a.alg", Curve);
  ASSERT_EQ(F.Lab.openAlgorithmFile("vorpAlgorithms/seed_7-a.alg"), LoadResult::Loaded);
  F.click({ListingLayoutLeft + 20, LayoutHeight - 100}, MouseButton::Right);
  ASSERT_GT(F.Lab.session().drawing().count(), 30000);
  EXPECT_TRUE(F.save());
  EXPECT_EQ(F.Lab.state().Popup.text(),
            "seed_1234567890-a gespeichert (SVG zu gross, nicht gespeichert)");
  EXPECT_EQ(fileContent(savedPath("vorpAlgorithms", 'a', ".alg")), Curve);
  EXPECT_NE(fileContent(savedPath("vorpImages", 'a', ".png")), "<missing>");
  EXPECT_EQ(directoryEntries("vorpImages"), std::vector<std::string>{"seed_1234567890-a.png"})
      << "no SVG and no temporary file";
  // The learner goes on: a small picture saves whole again.
  F.clickTool(PickName::Restart);
  F.clickTool(PickName::Circle);
  F.clickTool(PickName::Circle);
  F.click({ListingLayoutLeft + 20, LayoutHeight - 100}, MouseButton::Right);
  F.clickTool(PickName::Title);
  EXPECT_TRUE(F.save());
  EXPECT_EQ(F.Lab.state().Popup.text(), "seed_1234567890-b gespeichert");
  EXPECT_EQ(fileContent(savedPath("vorpImages", 'b', ".svg")),
            drawingSvg(F.Lab.session().drawing()));
}

namespace {

/// The number in attribute \p Name="..." of the first tag of \p Svg that has
/// it; -1 when none has.
double svgNumber(const std::string &Svg, const std::string &Name) {
  const size_t At = Svg.find(" " + Name + "=\"");
  return At == std::string::npos ? -1 : std::stod(Svg.substr(At + Name.size() + 3));
}

} // namespace

// A teacher prints a learner's saved picture at any size: its lines stand
// to the picture as the canvas's lines stand to the canvas on the screen, a
// fine pen line and not a marker. On a screen of one pixel per layout unit
// the figures' lines are as wide as the pen marker's, against a canvas 512
// pixels wide.
TEST(VectorPictureSave, ItsLinesAreAsFineAgainstThePictureAsOnTheScreen) {
  ScratchDir Dir;
  DrawnLab F;
  ASSERT_TRUE(F.save());
  const std::string Svg = fileContent(savedPath("vorpImages", 'a', ".svg"));
  // "0 0 512 768": the picture's width is the view box's third number.
  const size_t Box = Svg.find("viewBox=\"");
  ASSERT_NE(Box, std::string::npos);
  double Left = 0, Top = 0, Width = 0;
  ASSERT_EQ(std::sscanf(Svg.c_str() + Box + 9, "%lf %lf %lf", &Left, &Top, &Width), 3);
  const double PrintedShare = svgNumber(Svg, "stroke-width") / Width;

  const DrawList &Frame = F.Lab.frame();
  const PanelRect Canvas = F.Lab.layout().panel(Panel::Canvas);
  double ScreenLine = -1;
  Panel Drawing = Panel::Canvas;
  for (const DrawCommand &Command : Frame.Commands) {
    if (Command.Kind == DrawCommandKind::PanelView)
      Drawing = Command.View;
    const bool Figure = Command.Kind == DrawCommandKind::Primitives && Command.Matrix.Turned;
    if (Drawing == Panel::Canvas && Figure && isLineKind(Command.Shape))
      ScreenLine = Command.LineWidth;
  }
  ASSERT_GT(ScreenLine, 0) << "the pen marker shows on the canvas";
  EXPECT_DOUBLE_EQ(PrintedShare, ScreenLine / Canvas.Width);
}
