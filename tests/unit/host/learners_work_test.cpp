// What a platform that keeps drafts, links and downloads learns from the
// host about the learner's work: the files each save wrote, the algorithm's
// bytes as a save writes them, a file opened in place of the work, and a
// revision that tells whether the work has changed since it was last kept
// in a file.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <vector>

#include "files/alg_format.h"
#include "files/regular_file.h"
#include "lab_fixture.h"
#include "scratch_dir.h"

namespace {

std::string savedPath(const char *Folder, char Letter, const char *Extension) {
  return std::string(Folder) + "/seed_1234567890-" + Letter + Extension;
}

} // namespace

TEST(LearnersWork, EachSaveTellsExactlyTheFilesItWrote) {
  ScratchDir Dir;
  LabFixture F(1234567890);
  F.clickTool(PickName::Save);
  const std::vector<std::string> First = {savedPath("vorpAlgorithms", 'a', ".alg"),
                                          savedPath("vorpImages", 'a', ".png"),
                                          savedPath("vorpImages", 'a', ".svg")};
  ASSERT_EQ(F.Lab.savedFiles(), First);
  for (const std::string &Path : First)
    EXPECT_NE(fileContent(Path), "<missing>") << Path;
  // A platform that asks again before the next event (a finger's gesture
  // may end without one) must not store the save a second time.
  EXPECT_EQ(F.Lab.takeSavedFiles(), First);
  EXPECT_TRUE(F.Lab.takeSavedFiles().empty()) << "a save handed over twice";
  F.clickTool(PickName::Circle);
  EXPECT_TRUE(F.Lab.savedFiles().empty()) << "told once, by the event that saved";

  // Without its vector picture a save tells the two files it has.
  FileFaultPlan Plan;
  Plan.Path = savedPath("vorpImages", 'b', ".svg");
  Plan.FailRename = true;
  F.Lab.storage().setFaults(Plan);
  F.clickTool(PickName::Save);
  EXPECT_EQ(F.Lab.savedFiles(), (std::vector<std::string>{savedPath("vorpAlgorithms", 'b', ".alg"),
                                                          savedPath("vorpImages", 'b', ".png")}));
  // A save that failed tells none, and says so.
  Plan.Path = savedPath("vorpImages", 'c', ".png");
  F.Lab.storage().setFaults(Plan);
  F.clickTool(PickName::Save);
  EXPECT_TRUE(F.Lab.savedFiles().empty());
  EXPECT_EQ(F.Lab.state().Popup.text(), "seed_1234567890-c nicht gespeichert");
  EXPECT_EQ(fileContent(savedPath("vorpAlgorithms", 'c', ".alg")), "<missing>");
}

// The picture of a save shows the canvas as the last frame showed it: the
// clean picture after a preview, though the press on the save Button has
// already brought the grid back for the next frame.
TEST(LearnersWork, ASavedPictureShowsTheCanvasAsTheLearnerSawIt) {
  ScratchDir Dir;
  LabFixture F(1234567890);
  F.click({ListingLayoutLeft + 20, LayoutHeight - 100}, MouseButton::Right);
  (void)F.Lab.frame();
  F.clickTool(PickName::Save);
  EXPECT_EQ(F.Platform.CanvasReads, 1);
  EXPECT_FALSE(F.Platform.PictureOnGrid);
  (void)F.Lab.frame();
  F.clickTool(PickName::Save);
  EXPECT_TRUE(F.Platform.PictureOnGrid);
}

TEST(LearnersWork, TheAlgorithmsTextIsWhatASaveWrites) {
  ScratchDir Dir;
  LabFixture F(1234567890);
  F.clickLine(5);
  const std::string Text = F.Lab.algorithmText();
  EXPECT_EQ(F.Lab.session().algorithm().currentNumber(), 5) << "the learner's line stays";
  EXPECT_EQ(Text.compare(0, std::string(AlgorithmFileHeader).size(), AlgorithmFileHeader), 0);
  F.clickTool(PickName::Save);
  EXPECT_EQ(fileContent(savedPath("vorpAlgorithms", 'a', ".alg")), Text);
}

// The page restores a draft or opens a shared link by writing the bytes to
// a file of its own and opening it: the same reader and limits as a load
// from the list, and nothing of the work lost when the file will not do.
TEST(LearnersWork, AFileOpenedByThePageReplacesTheWorkAsALoadDoes) {
  ScratchDir Dir;
  LabFixture F;
  const std::string Example = F.sentences();
  testing::internal::CaptureStdout();
  EXPECT_EQ(F.Lab.openAlgorithmFile("gone.alg"), LoadResult::NotRead);
  mkdir("folder.alg", 0777);
  EXPECT_EQ(F.Lab.openAlgorithmFile("folder.alg"), LoadResult::NotRead);
  writeFile("huge.alg", std::string(MaxAlgorithmFileBytes + 1, '\n'));
  EXPECT_EQ(F.Lab.openAlgorithmFile("huge.alg"), LoadResult::NotRead);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(F.sentences(), Example);
  EXPECT_EQ(F.Lab.state().Popup.text(), "Datei konnte nicht geoeffnet werden");

  writeFile("draft.alg", "Gib x den Wert 4\r\nZeichne Blob\r\n");
  const int Shown = F.Platform.FramesShownAtOnce;
  EXPECT_EQ(F.Lab.openAlgorithmFile("draft.alg"), LoadResult::Loaded);
  EXPECT_EQ(F.sentences(), "Gib x den Wert 4\nZeichne Blob\n");
  EXPECT_EQ(F.Platform.FramesShownAtOnce, Shown + 1) << "shown at once";
  EXPECT_EQ(F.Lab.state().Labels.row(1).target(), &F.Lab.session().variables().x());
}

TEST(LearnersWork, TheRevisionFollowsEveryChangeAndSavesAndLoadsKeepTheWork) {
  ScratchDir Dir;
  LabFixture F(1234567890);
  EXPECT_FALSE(F.Lab.hasUnsavedWork()) << "the example is no work of the learner's";
  uint64_t Seen = F.Lab.workRevision();
  auto Changed = [&] {
    const bool Moved = F.Lab.workRevision() != Seen;
    Seen = F.Lab.workRevision();
    return Moved;
  };
  F.clickTool(PickName::Square);
  EXPECT_TRUE(Changed()) << "an insert";
  EXPECT_TRUE(F.Lab.hasUnsavedWork());
  F.clickTool(PickName::Save);
  EXPECT_FALSE(Changed());
  EXPECT_FALSE(F.Lab.hasUnsavedWork()) << "saved";

  const PixelPoint Second = F.pixelOf(PickResult::listingLine(2));
  const PixelPoint Fifth = F.pixelOf(PickResult::listingLine(5));
  F.press(Second);
  (void)F.Lab.pointerMotion({Fifth.X, Fifth.Y}, true);
  F.release(Fifth);
  EXPECT_TRUE(Changed()) << "a move";
  F.clickLine(1);
  F.clickLine(1);
  F.clickTool(PickName::Count);
  F.clickTool(PickName::Count);
  EXPECT_EQ(F.Lab.session().algorithm().currentText(), "Wiederhole 21 mal:");
  EXPECT_TRUE(Changed()) << "an edit";
  F.clickTool(PickName::Undo);
  EXPECT_TRUE(Changed()) << "a delete";
  F.click({ListingLayoutLeft + 20, LayoutHeight - 100}, MouseButton::Right);
  F.clickTool(PickName::Go);
  while (F.Lab.idleStepping())
    F.Lab.idle();
  EXPECT_FALSE(Changed()) << "previews and runs draw, they do not edit";
  EXPECT_TRUE(F.Lab.hasUnsavedWork());

  F.clickTool(PickName::Load);
  F.click(F.pixelOf(PickResult::fileEntry(0)));
  EXPECT_TRUE(Changed()) << "a load";
  EXPECT_FALSE(F.Lab.hasUnsavedWork()) << "what was loaded is kept in its file";
  F.clickTool(PickName::Restart);
  EXPECT_TRUE(Changed()) << "a clear";
  EXPECT_TRUE(F.Lab.hasUnsavedWork());
}

// A draft continued or an algorithm from a link is opened as a file is, but
// kept in no file of the learner's: leaving asks until it is saved.
TEST(LearnersWork, AnOpenedDraftStaysUnsavedUntilItIsSaved) {
  ScratchDir Dir;
  LabFixture F(1234567890);
  writeFile("draft.alg", "Zeichne Blob\r\n");
  ASSERT_EQ(F.Lab.openAlgorithmFile("draft.alg"), LoadResult::Loaded);
  EXPECT_FALSE(F.Lab.hasUnsavedWork());
  F.Lab.session().markWorkUnkept();
  EXPECT_TRUE(F.Lab.hasUnsavedWork());
  const uint64_t Opened = F.Lab.workRevision();
  F.clickTool(PickName::Save);
  EXPECT_FALSE(F.Lab.hasUnsavedWork()) << "saved";
  EXPECT_EQ(F.Lab.workRevision(), Opened) << "marking changes no work";
  F.clickTool(PickName::Square);
  EXPECT_TRUE(F.Lab.hasUnsavedWork());
}

// A shared folder holds the vector picture of some earlier work under the
// name the learner's second save would take, with neither its algorithm nor
// its PNG beside it. The second save takes the next name instead, and the
// earlier picture is left as it was.
TEST(LearnersWork, ASaveNeverWritesOverAPictureLeftByEarlierWork) {
  ScratchDir Dir;
  mkdir("vorpImages", 0777);
  writeFile(savedPath("vorpImages", 'b', ".svg"), "<svg>earlier work</svg>\n");
  LabFixture F(1234567890);
  F.clickTool(PickName::Save);
  F.clickTool(PickName::Save);
  EXPECT_EQ(F.Lab.state().Popup.text(), "seed_1234567890-c gespeichert");
  EXPECT_EQ(fileContent(savedPath("vorpImages", 'b', ".svg")), "<svg>earlier work</svg>\n");
  EXPECT_EQ(fileContent(savedPath("vorpAlgorithms", 'b', ".alg")), "<missing>");
  EXPECT_NE(fileContent(savedPath("vorpAlgorithms", 'c', ".alg")), "<missing>");
}
