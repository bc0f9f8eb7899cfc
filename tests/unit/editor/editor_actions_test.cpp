// The editor's actions outside a run, seen from the host: a save with its
// picture request and popup message, and the key that ends the program.
#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "files/alg_format.h"
#include "files/gray_png.h"
#include "scratch_dir.h"
#include "svg_text.h"

namespace {

/// An editor whose saves land in a scratch folder.
struct EditorActions : ScratchDir, EditorFixture {
  EditorActions() : EditorFixture(1007654321) {}
};

} // namespace

TEST(EditorSave, AsksTheHostToSaveAndShowsTheOutcome) {
  EditorActions A;
  A.Work.algorithm().appendDraw(2);
  EXPECT_TRUE(A.save());
  EXPECT_EQ(A.Host.SaveRequests, 1);
  EXPECT_EQ(A.Host.PictureRequests, 1);
  // The platform's picture, as the PNG writer makes it of those rows.
  ASSERT_EQ(writeGrayPngBytes("expected.png", A.Host.Picture.Rows.data(), A.Host.Picture.Width,
                              A.Host.Picture.Height),
            FileResult::Done);
  EXPECT_EQ(fileContent("vorpImages/seed_1007654321-a.png"), fileContent("expected.png"));
  EXPECT_EQ(fileContent("vorpImages/seed_1007654321-a.svg"), drawingSvg(A.Work.drawing()));
  EXPECT_EQ(A.Host.Saves.letter(), InitialSaveCounter + 1);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"),
            std::string(AlgorithmFileHeader) + "Zeichne Kreis\r\n");
  EXPECT_TRUE(A.State.Popup.Visible);
  EXPECT_EQ(A.State.Popup.text(), "seed_1007654321-a gespeichert");

  // A picture the PNG library could not begin: nothing more is written.
  FileFaultPlan Faults;
  Faults.Path = "vorpImages/seed_1007654321-b.png";
  Faults.FailPngAllocation = 2;
  A.Storage.setFaults(Faults);
  EXPECT_FALSE(A.save());
  EXPECT_EQ(A.State.Popup.text(), "seed_1007654321-b nicht gespeichert");
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-b.alg"), "<missing>");
  EXPECT_EQ(fileContent("vorpImages/seed_1007654321-b.svg"), "<missing>")
      << "no vector picture for a failed save";
  EXPECT_EQ(A.State.Popup.revision(), 2u);
}

TEST(EditorKeyboard, EveryKeyMakesTheMessageSpaceShowsItEscapeEnds) {
  EditorActions A;
  A.State.Popup.replace("Zuviele Befehle");
  A.State.Popup.Visible = true;
  A.Editing.onKeyboard('q');
  EXPECT_EQ(A.State.Popup.text(), "Teste Dich doch selber!") << "the shown text is replaced";
  EXPECT_TRUE(A.State.Popup.Visible);
  EXPECT_EQ(A.Host.Draws, 0);
  A.State.Popup.Visible = false;
  A.Editing.onKeyboard('a');
  EXPECT_FALSE(A.State.Popup.Visible) << "a key alone shows nothing";
  A.Editing.onKeyboard(' ');
  EXPECT_TRUE(A.State.Popup.Visible);
  EXPECT_EQ(A.Host.Draws, 1) << "the space bar shows it at once";
  A.Editing.onPointer({MouseButton::Left, ButtonState::Down, 500, 300});
  EXPECT_FALSE(A.State.Popup.Visible) << "until the next click";
  A.Editing.onKeyboard('p');
  EXPECT_EQ(A.Host.Draws, 2);
  EXPECT_TRUE(A.Host.Exits.empty());
  A.Editing.onKeyboard(27);
  EXPECT_EQ(A.Host.Exits, std::vector<int>{0});
}
