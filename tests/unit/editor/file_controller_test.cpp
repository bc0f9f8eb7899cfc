// Loading a listed file through the editor: the algorithm and Variables the
// reader made take over, the Labels follow them, and a file that has gone
// since the list was made leaves the learner's work as it was.
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "editor_fixture.h"
#include "scratch_dir.h"

TEST(FileLoading, AListedFileReplacesTheAlgorithmAndTheLabelsFollow) {
  ScratchDir Dir;
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/seed_1-a.alg", "Gib x den Wert 4\r\nWiederhole 3 mal:\r\n"
                                           "  Zeichne Kreis\r\nWiederhole bis hier.\r\n");
  EditorFixture F;
  F.algorithm().appendDraw(1);
  F.vars().x().setValue(77);
  F.toolClick(PickName::Load);
  ASSERT_EQ(F.State.Files.List.Files.Shown, std::vector<std::string>{"seed_1-a.alg"});
  F.toolPress(PickResult::fileEntry(0));
  EXPECT_TRUE(F.State.Files.ListVisible) << "a press on an entry keeps the list";
  F.toolRelease(PickResult::fileEntry(0));
  EXPECT_FALSE(F.State.Files.ListVisible);
  EXPECT_EQ(F.sentences(),
            "Gib x den Wert 4\nWiederhole 3 mal:\nZeichne Kreis\nWiederhole bis hier.\n");
  EXPECT_EQ(F.vars().x().value(), 0);
  EXPECT_EQ(F.State.Labels.row(1).target(), &F.vars().x()) << "the Labels show the new Variables";
  EXPECT_EQ(F.Host.Draws, 1) << "drawn at once";

  // The next click puts back the snapshot, as after an aborted run, and the
  // loaded program runs on the Variables it was read with.
  F.toolClick(PickName::Go);
  while (F.Work.run().active())
    F.Editing.idleStep();
  EXPECT_EQ(F.vars().x().value(), 4);
  EXPECT_EQ(F.Work.drawing().count(), 3);
}

TEST(FileLoading, AFileGoneSinceTheListWasMadeKeepsTheWork) {
  ScratchDir Dir;
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/seed_1-a.alg", "Zeichne Blob\r\n");
  EditorFixture F;
  F.algorithm().appendDraw(2);
  F.toolClick(PickName::Load);
  std::remove("vorpAlgorithms/seed_1-a.alg");
  testing::internal::CaptureStdout();
  F.toolClick(PickResult::fileEntry(0));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nDatei vorpAlgorithms/seed_1-a.alg konnte nicht geoeffnet werden!!! :-(\n");
  EXPECT_TRUE(F.Host.Exits.empty());
  EXPECT_EQ(F.sentences(), "Zeichne Kreis\n");
  EXPECT_EQ(F.State.Popup.text(), "Datei konnte nicht geoeffnet werden");
  EXPECT_TRUE(F.State.Popup.Visible);
  // An entry the list does not have loads nothing.
  F.toolClick(PickName::Load);
  F.Picks.ToolPanel = PickResult::fileEntry(5);
  F.mouse(MouseButton::Left, ButtonState::Up, EditorFixture::ToolX);
  EXPECT_EQ(F.sentences(), "Zeichne Kreis\n");
}

namespace {

/// Opens the file list and loads its first entry, as the learner does.
void loadFirstFile(EditorFixture &F) {
  F.toolClick(PickName::Load);
  F.toolClick(PickResult::fileEntry(0));
}

} // namespace

// Numbers start at 1 again in a loaded algorithm, so a line pressed before
// the load shares its number with a line of the loaded one; pressing that
// line once must only select it, and stepping a value leaves it as read.
TEST(FileLoading, ALinePressedBeforeTheLoadIsNotPressedAfterIt) {
  ScratchDir Dir;
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/seed_1-a.alg", "Gib x den Wert 4\r\nZeichne Kreis\r\n");
  EditorFixture F;
  F.algorithm().appendDraw(1);
  F.algorithm().appendDraw(1);
  F.listingClick(1);
  loadFirstFile(F);
  ASSERT_EQ(F.sentences(), "Gib x den Wert 4\nZeichne Kreis\n");
  F.listingClick(1);
  EXPECT_FALSE(F.State.Listing.CommandEditing) << "the first press on the line only selects it";
  F.toolClick(PickName::FieldX);
  F.toolClick(PickName::FieldX);
  EXPECT_EQ(F.sentences(), "Gib x den Wert 4\nZeichne Kreis\n");
  F.listingClick(1);
  EXPECT_TRUE(F.State.Listing.CommandEditing) << "the second press opens it";
}

// The offsets h and v of a loaded file keep their meaning: h moves a shape
// sideways and v up or down, and the panel's rows V and H still show them
// and insert commands on them.
TEST(FileLoading, LoadedOffsetsKeepTheirDirectionsAndTheirRows) {
  ScratchDir Dir;
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/seed_1-a.alg",
            "Gib h den Wert 5\r\nGib v den Wert -3\r\nZeichne Quadrat\r\n");
  EditorFixture F;
  loadFirstFile(F);
  F.toolClick(PickName::Go);
  while (F.Work.run().active())
    F.Editing.idleStep();
  ASSERT_EQ(F.Work.drawing().count(), 1);
  EXPECT_EQ(F.Work.drawing().head()->offsetX, 5);
  EXPECT_EQ(F.Work.drawing().head()->offsetY, -3);
  EXPECT_EQ(F.State.Labels.row(5).text(), "h=5") << "the V row shows h";
  EXPECT_EQ(F.State.Labels.row(6).text(), "v=-3") << "the H row shows v";

  F.toolClick(PickName::FieldH);
  F.toolClick(PickName::Abs);
  EXPECT_EQ(F.currentText(), "Gib h den Wert 5");
  F.toolClick(PickName::FieldV);
  F.toolClick(PickName::Abs);
  EXPECT_EQ(F.currentText(), "Gib v den Wert -3");
}
