// The save action: file names and letters, the picture asked for and where
// it is written, the order of the writes, the message with the outcome, and
// what is left on disk when a write planned to fail does.
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/alg_writer.h"
#include "files/gray_png.h"
#include "model/algorithm.h"
#include "model/variable.h"
#include "scratch_dir.h"

namespace {

const char Header[] = "*************************************\r\n"
                      "*    Quovadrin Algorithmus Datei    *\r\n"
                      "*************************************\r\n"
                      "\r\n";

const char Seed[] = "1007654321";

// One save at a time as the editor makes it: its letter counter, a small
// grey picture that counts how often it was asked for, and the file
// operations every write goes through.
struct SaveFixture {
  ScratchDir Dir;
  Algorithm A;
  Variable X{0};
  int SaveLetter = 96;
  FileOperations Storage;
  SaveContent Content;
  std::vector<std::string> Messages;
  int PictureRequests = 0;

  SaveFixture() {
    X.setName("x");
    Content.Picture = [this] {
      ++PictureRequests;
      return GrayImage{{0, 85, 170, 255}, 2, 2};
    };
  }

  /// Saves and keeps the message the learner would be shown.
  FileResult save() {
    const SaveOutcome Outcome = saveAlgorithmFiles(A, Seed, SaveLetter, Content, Storage);
    Messages.push_back(Outcome.Message);
    return Outcome.Result;
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
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(F.SaveLetter, 97);
  EXPECT_EQ(F.PictureRequests, 1);
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
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"), Header);
  EXPECT_EQ(F.PictureRequests, 1);
}

TEST(SaveAlgorithmFiles, EachSaveTakesTheNextLetterAndReplacesNothingOlder) {
  SaveFixture F;
  for (int I = 0; I < 27; ++I)
    EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(F.Messages.front(), "seed_1007654321-a gespeichert");
  EXPECT_EQ(F.Messages[1], "seed_1007654321-b gespeichert");
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-{ gespeichert");
  EXPECT_EQ(directoryEntries("vorpAlgorithms").size(), 27u);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-{.alg"), Header);
}

TEST(SaveAlgorithmFiles, ZeroLowByteGivesTheEmptyLetter) {
  SaveFixture F;
  F.SaveLetter = 255;
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(F.SaveLetter, 256);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-.alg"), Header);
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321- gespeichert"});
}

TEST(SaveAlgorithmFiles, FaultsReachThePictureAndNothingIsLeftHalfWritten) {
  SaveFixture F;
  FileFaultPlan Faults;
  Faults.Path = "vorpImages/seed_1007654321-a.png";
  Faults.FailRename = true;
  F.Storage.setFaults(Faults);
  EXPECT_EQ(F.save(), FileResult::FileFailed);
  EXPECT_EQ(F.PictureRequests, 1);
  EXPECT_TRUE(directoryEntries("vorpImages").empty());
  EXPECT_TRUE(directoryEntries("vorpAlgorithms").empty());
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a nicht gespeichert"});
}

TEST(SaveAlgorithmFiles, NamesOfEarlierWorkAreNeverWrittenOver) {
  SaveFixture F;
  // Another start in the same second saved "a" already, and a picture
  // without its algorithm holds "b"; '/' would name a folder.
  mkdir("vorpAlgorithms", 0777);
  mkdir("vorpImages", 0777);
  writeFile("vorpAlgorithms/seed_1007654321-a.alg", "earlier");
  writeFile("vorpImages/seed_1007654321-b.png", "earlier");
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-c gespeichert");
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"), "earlier");
  EXPECT_EQ(fileContent("vorpImages/seed_1007654321-b.png"), "earlier");
  F.SaveLetter = '/' - 1;
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-0 gespeichert");
  // With every letter taken there is nothing left to write to.
  for (int Letter = 0; Letter < 256; ++Letter)
    writeFile("vorpImages/seed_1007654321-" + saveLetterText(Letter) + ".png", "earlier");
  EXPECT_EQ(F.save(), FileResult::FileFailed);
  EXPECT_EQ(F.PictureRequests, 2);
  EXPECT_EQ(fileContent("vorpImages/seed_1007654321-c.png"), "earlier");
}

TEST(SaveAlgorithmFiles, PictureFailureSkipsTheAlgorithmAndSaysNotSaved) {
  // The disk, the PNG library at each of its steps, and a canvas that could
  // not be read back.
  FileFaultPlan Plans[5];
  Plans[0].FailRename = true;
  Plans[1].FailPngAllocation = 1;
  Plans[2].FailPngAllocation = 2;
  Plans[3].FailWrite = 1;
  for (const FileFaultPlan &Plan : Plans) {
    SaveFixture F;
    F.A.appendDraw(1);
    F.A.appendDraw(2);
    F.Storage.setFaults(Plan);
    if (&Plan == &Plans[4])
      F.Content.Picture = [] { return GrayImage{{}, 2, 2}; };
    EXPECT_NE(F.save(), FileResult::Done);
    EXPECT_EQ(F.SaveLetter, 97);
    EXPECT_TRUE(directoryEntries("vorpAlgorithms").empty());
    EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a nicht gespeichert"});
    EXPECT_EQ(F.A.currentNumber(), 2); // the walk never began
  }
}

TEST(SaveAlgorithmFiles, NoPictureMeansNotSaved) {
  SaveFixture F;
  F.Content.Picture = nullptr;
  EXPECT_EQ(F.save(), FileResult::FileFailed);
  EXPECT_TRUE(directoryEntries("vorpAlgorithms").empty());
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a nicht gespeichert"});
}

TEST(SaveAlgorithmFiles, AFailedAlgorithmWriteLeavesEveryEarlierFileComplete) {
  SaveFixture F;
  F.A.appendDraw(1);
  F.A.appendDraw(2);
  F.A.appendDraw(3);
  EXPECT_EQ(F.save(), FileResult::Done);
  const std::string Earlier = fileContent("vorpAlgorithms/seed_1007654321-a.alg");
  FileFaultPlan Plans[4];
  Plans[0].FailWrite = 3; // the second command line: a full disk
  Plans[1].FailSync = true;
  Plans[2].FailClose = true;
  Plans[3].FailRename = true;
  for (FileFaultPlan &Plan : Plans) {
    F.Messages.clear();
    Plan.Path = "vorpAlgorithms/seed_1007654321-b.alg";
    F.Storage.setFaults(Plan);
    F.SaveLetter = 97;
    EXPECT_EQ(F.save(), FileResult::FileFailed);
    EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"), Earlier);
    EXPECT_EQ(directoryEntries("vorpAlgorithms"),
              std::vector<std::string>{"seed_1007654321-a.alg"});
    EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-b nicht gespeichert"});
    // The picture was written before and stays; the next try takes "c".
    std::remove("vorpImages/seed_1007654321-b.png");
  }
}

TEST(SaveAlgorithmFiles, UnwritableFolderSaysNotSaved) {
  SaveFixture F;
  writeFile("vorpAlgorithms", "a file, not a folder");
  EXPECT_EQ(F.save(), FileResult::FileFailed);
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a nicht gespeichert"});
}

TEST(SaveAlgorithmFiles, PictureComesBeforeTheAlgorithmFile) {
  SaveFixture F;
  std::string AlgorithmFileDuringPicture;
  const std::function<GrayImage()> Picture = F.Content.Picture;
  F.Content.Picture = [&] {
    AlgorithmFileDuringPicture = fileContent("vorpAlgorithms/seed_1007654321-a.alg");
    return Picture();
  };
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(AlgorithmFileDuringPicture, "<missing>");
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"), Header);
  EXPECT_EQ(F.Messages, std::vector<std::string>{"seed_1007654321-a gespeichert"});
}
