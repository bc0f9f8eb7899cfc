// The vector picture of a save: written after the .alg file and the PNG,
// from the Drawing on the canvas the window turns into text; when it fails or
// would be too large, the two others are what any save writes, and the
// message says what is missing. When all three are written the message is
// the plain confirmation.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "editor_fixture.h"
#include "files/alg_format.h"
#include "scratch_dir.h"
#include "svg_text.h"
#include "watchdog.h"

namespace {

const char Seed[] = "1234567890";

std::string savedPath(const char *Folder, char Letter, const char *Extension) {
  return std::string(Folder) + "/seed_" + Seed + "-" + Letter + Extension;
}

/// A window whose vector picture is the Drawing's, as the program's window
/// makes it; asked for it, it also notes whether the two other files of the
/// save were complete by then.
struct WritingWindow {
  EditorFixture F{1234567890};
  bool OthersWereThere = false;

  WritingWindow() {
    F.Host.VectorPictureText = [this] {
      const char Letter = static_cast<char>(F.State.Files.SaveLetter);
      OthersWereThere = fileContent(savedPath("vorpImages", Letter, ".png")) != "<missing>" &&
                        fileContent(savedPath("vorpAlgorithms", Letter, ".alg")) != "<missing>";
      return drawingSvg(F.Work.drawing());
    };
    // Circles and blobs drawn by a whole preview, as the learner sees them.
    F.toolClick(PickName::Circle);
    F.toolClick(PickName::Circle);
    F.toolClick(PickName::Blob);
    F.toolClick(PickName::Blob);
    F.drawAtOnce();
  }
};

} // namespace

TEST(VectorPictureSave, WrittenLastFromTheDrawingWithThePlainConfirmation) {
  ScratchDir Dir;
  WritingWindow Save;
  ASSERT_EQ(Save.F.Work.drawing().count(), 2);
  EXPECT_TRUE(Save.F.save());
  EXPECT_EQ(Save.F.State.Popup.text(), "seed_1234567890-a gespeichert");
  EXPECT_EQ(Save.F.Host.VectorPictureRequests, 1);
  EXPECT_TRUE(Save.OthersWereThere) << "the PNG and the .alg file come first";
  EXPECT_EQ(fileContent(savedPath("vorpImages", 'a', ".svg")), drawingSvg(Save.F.Work.drawing()));
}

TEST(VectorPictureSave, AFailedVectorPictureKeepsTheOtherTwoAndIsTold) {
  ScratchDir Dir;
  WritingWindow Save;
  ASSERT_TRUE(Save.F.save());
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
    Save.F.Storage.setFaults(Plan);
    EXPECT_TRUE(Save.F.save()) << "the algorithm and its PNG are saved";
    EXPECT_EQ(Save.F.State.Popup.text(),
              std::string("seed_1234567890-") + Letter + " gespeichert (SVG nicht gespeichert)");
    EXPECT_EQ(fileContent(savedPath("vorpAlgorithms", Letter, ".alg")), Algorithm);
    EXPECT_EQ(fileContent(savedPath("vorpImages", Letter, ".png")), Picture);
    EXPECT_EQ(fileContent(savedPath("vorpImages", Letter, ".svg")), "<missing>");
  }
  EXPECT_EQ(directoryEntries("vorpImages").size(), 5u) << "four PNGs, one SVG, no temporary file";
  // The next save that succeeds says so plainly again.
  Save.F.Storage.setFaults(FileFaultPlan());
  EXPECT_TRUE(Save.F.save());
  EXPECT_EQ(Save.F.State.Popup.text(), "seed_1234567890-e gespeichert");
}

TEST(VectorPictureSave, NoVectorPictureWhenTheSaveItselfFailed) {
  ScratchDir Dir;
  WritingWindow Save;
  FileFaultPlan Plan;
  Plan.Path = savedPath("vorpImages", 'a', ".png");
  Plan.FailRename = true;
  Save.F.Storage.setFaults(Plan);
  EXPECT_FALSE(Save.F.save());
  EXPECT_EQ(Save.F.State.Popup.text(), "seed_1234567890-a nicht gespeichert");
  EXPECT_EQ(Save.F.Host.VectorPictureRequests, 0) << "a picture without its algorithm is no save";
  EXPECT_EQ(fileContent(savedPath("vorpImages", 'a', ".svg")), "<missing>");
}

TEST(VectorPictureSave, APictureOfGigabytesIsNotWrittenAndTheWorkIsSaved) {
  // A curve of 400 points drawn again and again until the step cap stops the
  // preview: some 33,000 curves, an SVG of 2 GB. The save must not try to
  // hold or write it; the algorithm and its PNG are saved as always.
  ScratchDir Dir;
  Watchdog Guard(120);
  EditorFixture F(1234567890);
  F.Host.VectorPictureStream = [&F](const TextSink &Sink) {
    return writeDrawingSvg(F.Work.drawing(), Sink);
  };
  const std::string Curve = std::string(AlgorithmFileHeader) +
                            "Gib n den Wert 400\r\nWiederhole 2147483647 mal:\r\n"
                            "  Zeichne weichen Linienzug\r\nWiederhole bis hier.\r\n";
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/seed_7-a.alg", Curve);
  ASSERT_TRUE(F.load("seed_7-a.alg"));
  F.drawAtOnce();
  ASSERT_GT(F.Work.drawing().count(), 30000);
  EXPECT_TRUE(F.save());
  EXPECT_EQ(F.State.Popup.text(),
            "seed_1234567890-a gespeichert (SVG zu gross, nicht gespeichert)");
  EXPECT_EQ(fileContent(savedPath("vorpAlgorithms", 'a', ".alg")), Curve);
  EXPECT_NE(fileContent(savedPath("vorpImages", 'a', ".png")), "<missing>");
  EXPECT_EQ(directoryEntries("vorpImages"), std::vector<std::string>{"seed_1234567890-a.png"})
      << "no SVG and no temporary file";
  // The learner goes on: a small picture saves whole again.
  F.toolClick(PickName::Restart);
  F.toolClick(PickName::Circle);
  F.toolClick(PickName::Circle);
  F.drawAtOnce();
  EXPECT_TRUE(F.save());
  EXPECT_EQ(F.State.Popup.text(), "seed_1234567890-b gespeichert");
  EXPECT_EQ(fileContent(savedPath("vorpImages", 'b', ".svg")), drawingSvg(F.Work.drawing()));
}
