// The save action: file names and letters, the canvas rectangle handed to the
// picture writer, the order of the writes, the message with the outcome, and
// what is left on disk when a write fails.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/app_state.h"
#include "files/alg_writer.h"
#include "files/atomic_file.h"
#include "files/gray_png.h"
#include "model/algorithm.h"
#include "model/variable.h"
#include "scratch_dir.h"

namespace {

const char Header[] = "*************************************\r\n"
                      "*    Quovadrin Algorithmus Datei    *\r\n"
                      "*************************************\r\n"
                      "\r\n";

// Puts the AppState fields a save uses into a known state, records what the
// hooks receive, and restores the state afterwards.
struct SaveFixture {
  ScratchDir Dir;
  Algorithm A;
  Variable X{0};
  std::vector<std::string> Messages;
  std::vector<std::string> PictureCalls;
  int PictureResult = 0;

  SaveFixture() {
    X.setName("x");
    app.algorithm = &A;
    app.seedText = "1007654321";
    app.saveLetter = 96;
    app.screenWidth = 1024;
    app.screenHeight = 768;
    app.hooks = UiHooks();
    app.hooks.showMessage = [this](const std::string &Text) { Messages.push_back(Text); };
    app.hooks.writeCanvasPicture = [this](const std::string &Path, int X, int Y, int W, int H) {
      PictureCalls.push_back(Path + " " + std::to_string(X) + "," + std::to_string(Y) + " " +
                             std::to_string(W) + "x" + std::to_string(H));
      if (PictureResult != 0)
        return PictureResult;
      const unsigned char Pixels[4] = {0, 85, 170, 255};
      return writeGrayPngBytes(Path, Pixels, 2, 2);
    };
  }
  ~SaveFixture() {
    clearFileFaultPlan();
    app.algorithm = nullptr;
    app.hooks = UiHooks();
    app.saveLetter = 96;
  }
};

} // namespace

TEST(SaveNames, LetterIsTheLowByteOfTheCounter) {
  EXPECT_EQ(saveLetterText(97), "a");
  EXPECT_EQ(saveLetterText(96 + 26), "z");
  EXPECT_EQ(saveLetterText(96 + 27), "{");
  EXPECT_EQ(saveLetterText(256), "");
  EXPECT_EQ(saveLetterText(256 + 98), "b");
  EXPECT_EQ(saveLetterText(200), std::string(1, static_cast<char>(200)));
}

TEST(SaveNames, PathsAndMessagesCarrySeedAndLetter) {
  const SaveNames Names = saveNames("1007654321", "a");
  EXPECT_EQ(Names.AlgorithmPath, "vorpAlgorithms/seed_1007654321-a.alg");
  EXPECT_EQ(Names.PicturePath, "vorpImages/seed_1007654321-a.png");
  EXPECT_EQ(Names.Confirmation, "seed_1007654321-a gespeichert");
  EXPECT_EQ(Names.Failure, "seed_1007654321-a nicht gespeichert");
  EXPECT_EQ(saveNames("5", "").AlgorithmPath, "vorpAlgorithms/seed_5-.alg");
}

TEST(SaveAlgorithmFiles, WritesBothFilesIntoNewFoldersAndConfirms) {
  SaveFixture F;
  F.A.appendArithmetic(&F.X, ArithmeticOp::Give, 100);
  F.A.appendRepeatStart(5);
  F.A.appendDraw(2);
  F.A.appendRepeatEnd();
  EXPECT_EQ(saveAlgorithmFiles(), 0);
  EXPECT_EQ(app.saveLetter, 97);
  EXPECT_EQ(F.PictureCalls, std::vector<std::string>{"vorpImages/seed_1007654321-a.png 256,0 512x768"});
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"),
            std::string(Header) + "Gib x den Wert 100\r\nWiederhole 5 mal:\r\n  Zeichne Kreis\r\n"
                                  "Wiederhole bis hier.\r\n");
  EXPECT_NE(fileContent("vorpImages/seed_1007654321-a.png"), "<missing>");
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a gespeichert"});
  // After a save the listing's current command is the first one.
  EXPECT_EQ(F.A.currentNumber(), 1);
  EXPECT_EQ(directoryEntries("vorpAlgorithms"), std::vector<std::string>{"seed_1007654321-a.alg"});
  EXPECT_EQ(directoryEntries("vorpImages"), std::vector<std::string>{"seed_1007654321-a.png"});
}

TEST(SaveAlgorithmFiles, EmptyAlgorithmGivesTheHeaderAndThePicture) {
  SaveFixture F;
  EXPECT_EQ(saveAlgorithmFiles(), 0);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"), Header);
  EXPECT_EQ(F.PictureCalls.size(), 1u);
}

TEST(SaveAlgorithmFiles, EachSaveTakesTheNextLetterAndReplacesNothingOlder) {
  SaveFixture F;
  for (int I = 0; I < 27; ++I)
    EXPECT_EQ(saveAlgorithmFiles(), 0);
  EXPECT_EQ(F.Messages.front(), "seed_1007654321-a gespeichert");
  EXPECT_EQ(F.Messages[1], "seed_1007654321-b gespeichert");
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-{ gespeichert");
  EXPECT_EQ(directoryEntries("vorpAlgorithms").size(), 27u);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-{.alg"), Header);
}

TEST(SaveAlgorithmFiles, ZeroLowByteGivesTheEmptyLetter) {
  SaveFixture F;
  app.saveLetter = 255;
  EXPECT_EQ(saveAlgorithmFiles(), 0);
  EXPECT_EQ(app.saveLetter, 256);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-.alg"), Header);
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321- gespeichert"});
}

TEST(SaveAlgorithmFiles, CanvasIsTheMiddleHalfOfEveryScreenSize) {
  SaveFixture F;
  app.screenWidth = 1280;
  app.screenHeight = 1024;
  saveAlgorithmFiles();
  app.screenWidth = 1152;
  app.screenHeight = 864;
  saveAlgorithmFiles();
  app.screenWidth = 800;
  app.screenHeight = 600;
  saveAlgorithmFiles();
  app.screenWidth = 1023; // odd sizes truncate
  app.screenHeight = 767;
  saveAlgorithmFiles();
  ASSERT_EQ(F.PictureCalls.size(), 4u);
  EXPECT_EQ(F.PictureCalls[0], "vorpImages/seed_1007654321-a.png 320,0 640x1024");
  EXPECT_EQ(F.PictureCalls[1], "vorpImages/seed_1007654321-b.png 288,0 576x864");
  EXPECT_EQ(F.PictureCalls[2], "vorpImages/seed_1007654321-c.png 200,0 400x600");
  EXPECT_EQ(F.PictureCalls[3], "vorpImages/seed_1007654321-d.png 255,0 511x767");
}

TEST(SaveAlgorithmFiles, PictureFailureSkipsTheAlgorithmAndSaysNotSaved) {
  for (int Code : {-1, 2, 3, 4}) {
    SaveFixture F;
    F.A.appendDraw(1);
    F.A.appendDraw(2);
    F.PictureResult = Code;
    EXPECT_EQ(saveAlgorithmFiles(), Code);
    EXPECT_EQ(app.saveLetter, 97);
    EXPECT_TRUE(directoryEntries("vorpAlgorithms").empty());
    EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a nicht gespeichert"});
    EXPECT_EQ(F.A.currentNumber(), 2); // the walk never began
  }
}

TEST(SaveAlgorithmFiles, NoPictureWriterMeansNotSaved) {
  SaveFixture F;
  app.hooks.writeCanvasPicture = nullptr;
  EXPECT_EQ(saveAlgorithmFiles(), -1);
  EXPECT_TRUE(directoryEntries("vorpAlgorithms").empty());
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a nicht gespeichert"});
}

TEST(SaveAlgorithmFiles, FailedAlgorithmWriteKeepsTheOlderFileAndSaysNotSaved) {
  SaveFixture F;
  F.A.appendDraw(1);
  F.A.appendDraw(2);
  F.A.appendDraw(3);
  const std::string Path = "vorpAlgorithms/seed_1007654321-a.alg";
  mkdir("vorpAlgorithms", 0777);
  FileFaultPlan Plans[3];
  Plans[0].FailWrite = 3; // the second command line
  Plans[1].FailClose = true;
  Plans[2].FailRename = true;
  for (FileFaultPlan &Plan : Plans) {
    writeFile(Path, "older");
    F.Messages.clear();
    app.saveLetter = 96;
    Plan.Path = Path;
    setFileFaultPlan(Plan);
    EXPECT_EQ(saveAlgorithmFiles(), -1);
    EXPECT_EQ(fileContent(Path), "older");
    EXPECT_EQ(directoryEntries("vorpAlgorithms"), std::vector<std::string>{"seed_1007654321-a.alg"});
    EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a nicht gespeichert"});
    // The picture was written before and stays.
    EXPECT_EQ(directoryEntries("vorpImages"), std::vector<std::string>{"seed_1007654321-a.png"});
  }
}

TEST(SaveAlgorithmFiles, UnwritableFolderSaysNotSaved) {
  SaveFixture F;
  writeFile("vorpAlgorithms", "a file, not a folder");
  EXPECT_EQ(saveAlgorithmFiles(), -1);
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a nicht gespeichert"});
}

TEST(SaveAlgorithmFiles, MessageComesAfterBothWrites) {
  SaveFixture F;
  std::vector<std::string> Events;
  auto Picture = app.hooks.writeCanvasPicture;
  app.hooks.writeCanvasPicture = [&](const std::string &Path, int X, int Y, int W, int H) {
    Events.push_back("picture");
    return Picture(Path, X, Y, W, H);
  };
  app.hooks.showMessage = [&](const std::string &Text) {
    Events.push_back(fileContent("vorpAlgorithms/seed_1007654321-a.alg") == Header
                         ? "message after the algorithm file: " + Text
                         : "message too early");
  };
  saveAlgorithmFiles();
  EXPECT_EQ(Events, (std::vector<std::string>{
                        "picture", "message after the algorithm file: seed_1007654321-a gespeichert"}));
}
