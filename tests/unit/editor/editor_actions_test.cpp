// The editor's actions outside a run, seen from the window: a save with its
// picture request and popup message, and the key that ends the program.
#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "files/alg_format.h"
#include "files/gray_png.h"
#include "scratch_dir.h"

namespace {

/// An editor whose saves land in a scratch folder.
struct EditorActions : ScratchDir, EditorFixture {
  EditorActions() : EditorFixture(1007654321) {}
};

} // namespace

TEST(EditorSave, AsksTheWindowForThePictureAndShowsTheOutcome) {
  EditorActions A;
  A.S.algorithm().appendDraw(2);
  EXPECT_TRUE(A.save());
  EXPECT_EQ(A.W.PictureRequests, 1);
  EXPECT_EQ(A.W.VectorPictureRequests, 1);
  // The window's picture, as the PNG writer makes it of those rows.
  ASSERT_EQ(writeGrayPngBytes("expected.png", A.W.Picture.Rows.data(), A.W.Picture.Width,
                              A.W.Picture.Height),
            FileResult::Done);
  EXPECT_EQ(fileContent("vorpImages/seed_1007654321-a.png"), fileContent("expected.png"));
  EXPECT_EQ(fileContent("vorpImages/seed_1007654321-a.svg"), A.W.VectorPictureText());
  EXPECT_EQ(A.E.Files.SaveLetter, InitialSaveLetter + 1);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"),
            std::string(AlgorithmFileHeader) + "Zeichne Kreis\r\n");
  EXPECT_TRUE(A.E.Popup.Visible);
  EXPECT_EQ(A.E.Popup.text(), "seed_1007654321-a gespeichert");

  // A picture the PNG library could not begin: nothing more is written.
  FileFaultPlan Faults;
  Faults.Path = "vorpImages/seed_1007654321-b.png";
  Faults.FailPngAllocation = 2;
  A.Storage.setFaults(Faults);
  EXPECT_FALSE(A.save());
  EXPECT_EQ(A.E.Popup.text(), "seed_1007654321-b nicht gespeichert");
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-b.alg"), "<missing>");
  EXPECT_EQ(A.W.VectorPictureRequests, 1) << "no vector picture for a failed save";
  EXPECT_EQ(A.E.Popup.revision(), 2u);
}

TEST(EditorKeyboard, EveryKeyMakesTheMessageSpaceShowsItEscapeEnds) {
  EditorActions A;
  A.E.Popup.replace("Zuviele Befehle");
  A.E.Popup.Visible = true;
  A.Ed.onKeyboard('q');
  EXPECT_EQ(A.E.Popup.text(), "Teste Dich doch selber!") << "the shown text is replaced";
  EXPECT_TRUE(A.E.Popup.Visible);
  EXPECT_EQ(A.W.Draws, 0);
  A.E.Popup.Visible = false;
  A.Ed.onKeyboard('a');
  EXPECT_FALSE(A.E.Popup.Visible) << "a key alone shows nothing";
  A.Ed.onKeyboard(' ');
  EXPECT_TRUE(A.E.Popup.Visible);
  EXPECT_EQ(A.W.Draws, 1) << "the space bar shows it at once";
  A.Ed.onMouse({MouseButton::Left, ButtonState::Down, 500, 300});
  EXPECT_FALSE(A.E.Popup.Visible) << "until the next click";
  A.Ed.onKeyboard('p');
  EXPECT_EQ(A.W.Draws, 2);
  EXPECT_TRUE(A.W.Exits.empty());
  A.Ed.onKeyboard(27);
  EXPECT_EQ(A.W.Exits, std::vector<int>{0});
}
