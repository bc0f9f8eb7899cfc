// The editor's actions outside a run, seen from the window: a save with its
// picture request and popup message, and the key that ends the program.
#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "fake_picker.h"
#include "files/alg_format.h"
#include "recording_window.h"
#include "scratch_dir.h"

namespace {

struct EditorActions {
  ScratchDir Dir;
  Session S{1007654321};
  EditorState E{S.variables()};
  RecordingWindow W;
  FakePicker P;
  Editor Ed{S, E, W, P};
};

} // namespace

TEST(EditorSave, AsksTheWindowForThePictureAndShowsTheOutcome) {
  EditorActions A;
  A.S.algorithm().appendDraw(2);
  FileFaultPlan Faults;
  Faults.Path = "vorpImages/seed_1007654321-a.png";
  Faults.FailClose = true;
  A.Ed.files().setSaveFaults(Faults);
  EXPECT_EQ(A.Ed.files().saveAlgorithmFiles(), FileResult::Done);
  ASSERT_EQ(A.W.Pictures.size(), 1u);
  EXPECT_EQ(A.W.Pictures[0].Path, "vorpImages/seed_1007654321-a.png");
  EXPECT_TRUE(A.W.Pictures[0].Faults.FailClose) << "the faults reach the picture writer";
  EXPECT_EQ(A.E.Files.SaveLetter, InitialSaveLetter + 1);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"),
            std::string(AlgorithmFileHeader) + "Zeichne Kreis\r\n");
  EXPECT_TRUE(A.E.Popup.Visible);
  EXPECT_EQ(A.E.Popup.text(), "seed_1007654321-a gespeichert");

  // A picture the window could not write: nothing more is written.
  A.W.PictureResult = FileResult::EncoderInfoFailed;
  EXPECT_EQ(A.Ed.files().saveAlgorithmFiles(), FileResult::EncoderInfoFailed);
  EXPECT_EQ(A.E.Popup.text(), "seed_1007654321-b nicht gespeichert");
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-b.alg"), "<missing>");
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
