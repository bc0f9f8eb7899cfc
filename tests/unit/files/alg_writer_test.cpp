// The save action: file names and letters, the picture asked for and where
// it is written, the order of the writes, the message with the outcome, and
// what is left on disk when a write planned to fail does.
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sys/stat.h>

#include "files/alg_format.h"
#include "files/alg_reader.h"
#include "files/alg_writer.h"
#include "files/gray_png.h"
#include "files/regular_file.h"
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

TEST(SaveNames, TheFirstTwentySixSavesKeepTheirLetters) {
  std::string Letters;
  for (int Save = 1; Save <= 26; ++Save)
    Letters += saveLetterText(InitialSaveCounter + Save);
  EXPECT_EQ(Letters, "abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(saveLetterText(InitialSaveCounter), "") << "before the first save";
}

TEST(SaveNames, EveryLaterNameIsPortableNewAndSortsAfterTheOnesBefore) {
  // Lowercase letters only: valid on FAT, exFAT and NTFS, where case does
  // not tell names apart, and valid UTF-8. A name sorts after every earlier
  // one, so the file list's newest are the session's last saves.
  std::string Before;
  for (int Save = 1; Save <= MaxSavesPerSession; ++Save) {
    const std::string Letters = saveLetterText(InitialSaveCounter + Save);
    ASSERT_FALSE(Letters.empty()) << Save;
    ASSERT_LE(Letters.size(), 7u) << Save;
    for (char C : Letters)
      ASSERT_TRUE(C >= 'a' && C <= 'z') << Save << ": " << Letters;
    ASSERT_LT(Before, Letters) << "save " << Save << " repeats or sorts before save " << Save - 1;
    Before = Letters;
  }
  EXPECT_LE(saveLetterText(InitialSaveCounter + 10000).size(), 5u);
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
  EXPECT_EQ(F.Messages[25], "seed_1007654321-z gespeichert");
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-zaa gespeichert");
  EXPECT_EQ(directoryEntries("vorpAlgorithms").size(), 27u);
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-zaa.alg"), Header);
}

TEST(SaveAlgorithmFiles, AThousandSavesAreAThousandPortableFilesThatLoadBack) {
  SaveFixture F;
  for (int I = 0; I < 1000; ++I) {
    F.A.appendArithmetic(&F.X, ArithmeticOp::Add, I);
    const SaveOutcome Outcome = saveAlgorithmFiles(F.A, Seed, F.SaveLetter, F.Content, F.Storage);
    ASSERT_EQ(Outcome.Result, FileResult::Done) << I;
    ASSERT_TRUE(Outcome.PictureWritten && Outcome.AlgorithmWritten);
  }
  const std::vector<std::string> Names = directoryEntries("vorpAlgorithms");
  ASSERT_EQ(Names.size(), 1000u);
  std::set<std::string> Folded;
  for (const std::string &Name : Names) {
    // seed_<digits>-<lowercase letters>.alg, short, and distinct even where
    // the file system ignores case.
    ASSERT_TRUE(std::regex_match(Name, std::regex("seed_1007654321-[a-z]{1,5}\\.alg"))) << Name;
    std::string Lower = Name;
    std::transform(Lower.begin(), Lower.end(), Lower.begin(), ::tolower);
    ASSERT_TRUE(Folded.insert(Lower).second) << Name;
    const std::string Stem = Name.substr(0, Name.size() - 4);
    EXPECT_NE(fileContent("vorpImages/" + Stem + ".png"), "<missing>") << Stem;
  }
  // Each file loads back into the algorithm as it was at its save: the
  // order of the names is the order of the saves.
  for (size_t I = 0; I < Names.size(); ++I) {
    AlgorithmFileReader Reader("vorpAlgorithms/" + Names[I]);
    ASSERT_TRUE(Reader.opened()) << Names[I];
    ASSERT_EQ(Reader.algorithm()->commandCount(), static_cast<int>(I) + 1) << Names[I];
    EXPECT_EQ(Reader.algorithm()->tail()->text(), "Addiere " + std::to_string(I) + " zu x");
  }
}

TEST(SaveAlgorithmFiles, TheLastSaveOfASessionAndOnePast) {
  SaveFixture F;
  F.SaveLetter = InitialSaveCounter + MaxSavesPerSession - 1;
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-zzzyzzz gespeichert");
  EXPECT_EQ(F.save(), FileResult::FileFailed);
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-" +
                                   saveLetterText(InitialSaveCounter + MaxSavesPerSession + 1) +
                                   " nicht gespeichert")
      << "no save name is left; the earlier file stays";
  EXPECT_EQ(directoryEntries("vorpAlgorithms"),
            std::vector<std::string>{"seed_1007654321-zzzyzzz.alg"});
  EXPECT_EQ(F.PictureRequests, 1);
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
  // without its algorithm holds "b".
  mkdir("vorpAlgorithms", 0777);
  mkdir("vorpImages", 0777);
  writeFile("vorpAlgorithms/seed_1007654321-a.alg", "earlier");
  writeFile("vorpImages/seed_1007654321-b.png", "earlier");
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-c gespeichert");
  EXPECT_EQ(fileContent("vorpAlgorithms/seed_1007654321-a.alg"), "earlier");
  EXPECT_EQ(fileContent("vorpImages/seed_1007654321-b.png"), "earlier");
  // A shared folder where another computer's session of the same second
  // saved a hundred times: this one carries on after them.
  for (int Save = 4; Save <= 103; ++Save)
    writeFile("vorpImages/seed_1007654321-" + saveLetterText(InitialSaveCounter + Save) + ".svg",
              "earlier");
  EXPECT_EQ(F.save(), FileResult::Done);
  EXPECT_EQ(F.Messages.back(),
            "seed_1007654321-" + saveLetterText(InitialSaveCounter + 104) + " gespeichert");
  EXPECT_EQ(F.PictureRequests, 2);
}

TEST(SaveAlgorithmFiles, AnAlgorithmTooLargeToReadBackIsNotSaved) {
  // Nested loops indent each line further: 2,000 of them write more than
  // the reader takes. Such a file could never be loaded, so none is written.
  SaveFixture F;
  for (int Level = 0; Level < 2000; ++Level)
    F.A.appendRepeatStart(2);
  for (int Level = 0; Level < 2000; ++Level)
    F.A.appendRepeatEnd();
  ASSERT_FALSE(algorithmTextFits(F.A, MaxAlgorithmFileBytes));
  EXPECT_EQ(F.save(), FileResult::FileFailed);
  EXPECT_EQ(F.Messages.back(), "seed_1007654321-a nicht gespeichert (Algorithmus zu gross)");
  EXPECT_EQ(F.PictureRequests, 0);
  EXPECT_TRUE(directoryEntries("vorpImages").empty());
  EXPECT_TRUE(directoryEntries("vorpAlgorithms").empty());
  // One level less deep by half fits, and reads back as written.
  Algorithm Half;
  for (int Level = 0; Level < 1000; ++Level)
    Half.appendRepeatStart(2);
  for (int Level = 0; Level < 1000; ++Level)
    Half.appendRepeatEnd();
  EXPECT_TRUE(algorithmTextFits(Half, MaxAlgorithmFileBytes));
  EXPECT_LE(algorithmText(Half).size(), MaxAlgorithmFileBytes);
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
