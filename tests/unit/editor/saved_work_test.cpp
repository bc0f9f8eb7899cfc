// The learner's saved work survives every save: a disk that fills up in the
// middle of a file, or a folder the program may not write to, fails the save
// with a message and leaves every complete file as it was.
#include <gtest/gtest.h>

#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "editor_fixture.h"
#include "files/alg_reader.h"
#include "files/alg_writer.h"
#include "scratch_dir.h"

namespace {

/// Every saved algorithm file with its content.
std::map<std::string, std::string> savedFiles() {
  std::map<std::string, std::string> Files;
  for (const std::string &Name : directoryEntries("vorpAlgorithms"))
    Files[Name] = fileContent("vorpAlgorithms/" + Name);
  return Files;
}

/// Every saved picture with its content.
std::map<std::string, std::string> savedPictures() {
  std::map<std::string, std::string> Files;
  for (const std::string &Name : directoryEntries("vorpImages"))
    Files[Name] = fileContent("vorpImages/" + Name);
  return Files;
}

/// Saves three different algorithms, one after the other.
void saveThree(EditorFixture &F) {
  for (PickName Tool : {PickName::Square, PickName::Circle, PickName::Blob}) {
    F.toolClick(Tool);
    F.toolClick(Tool);
    ASSERT_TRUE(F.save());
  }
}

} // namespace

TEST(SavedWork, AFullDiskFailsTheSaveAndEveryEarlierFileStaysComplete) {
  ScratchDir Dir;
  EditorFixture F(1234567890);
  saveThree(F);
  const auto Before = savedFiles();
  const auto PicturesBefore = savedPictures();
  ASSERT_EQ(Before.size(), 3u);
  F.toolClick(PickName::Repeat);
  F.toolClick(PickName::Repeat);
  // The disk fills up at each write of the next picture, then at each write
  // of the next algorithm file (its picture is then complete and stays).
  for (const char *Kind : {".png", ".alg"}) {
    for (int Write = 1; Write <= 6; ++Write) {
      FileFaultPlan Plan;
      Plan.FailWrite = Write;
      Plan.Path = std::string(Kind[1] == 'p' ? "vorpImages" : "vorpAlgorithms") +
                  "/seed_1234567890-" + saveLetterText(F.Host.Saves.letter() + 1) + Kind;
      F.Storage.setFaults(Plan);
      EXPECT_FALSE(F.save()) << Plan.Path;
      EXPECT_NE(F.State.Popup.text().find("nicht gespeichert"), std::string::npos);
      EXPECT_EQ(savedFiles(), Before) << Plan.Path;
      if (Kind[1] == 'p') {
        EXPECT_EQ(savedPictures(), PicturesBefore) << Plan.Path;
      }
    }
  }
  // Each earlier file still reads back into the algorithm that was saved.
  AlgorithmFileReader Reader("vorpAlgorithms/seed_1234567890-c.alg");
  ASSERT_TRUE(Reader.opened());
  EXPECT_EQ(Reader.algorithm()->commandCount(), 4) << "two squares, a circle, a blob";
}

TEST(SavedWork, AFolderThatMayNotBeWrittenFailsTheSaveAndKeepsItsFiles) {
  ScratchDir Dir;
  EditorFixture F(1234567890);
  saveThree(F);
  const auto Before = savedFiles();
  // Only the algorithms' folder is closed; the way to it and the pictures'
  // folder stay open to everybody.
  ASSERT_EQ(chmod(".", 0755), 0);
  ASSERT_EQ(chmod("vorpImages", 0777), 0);
  ASSERT_EQ(chmod("vorpAlgorithms", 0555), 0);
  // Permissions do not bind the superuser: the save is then made by a child
  // that has given its rights up, and reports how it went.
  const bool Root = geteuid() == 0;
  const pid_t Child = Root ? fork() : 0;
  ASSERT_GE(Child, 0);
  if (Child == 0) {
    if (Root && (setgid(65534) != 0 || setuid(65534) != 0))
      _exit(3);
    const bool Saved = F.save();
    const bool Told = F.State.Popup.text() == "seed_1234567890-d nicht gespeichert";
    if (!Root) {
      EXPECT_FALSE(Saved);
      EXPECT_TRUE(Told);
    } else {
      _exit(!Saved && Told ? 0 : 1);
    }
  } else {
    int Status = 0;
    ASSERT_EQ(waitpid(Child, &Status, 0), Child);
    ASSERT_TRUE(WIFEXITED(Status));
    EXPECT_EQ(WEXITSTATUS(Status), 0) << "the save in the folder without rights did not fail";
  }
  chmod("vorpAlgorithms", 0755);
  EXPECT_EQ(savedFiles(), Before);
}

// The failures planned on the editor's file operations reach each of the
// three files of a save, which are written in the order PNG, .alg, SVG: when
// the first write of one of them fails, exactly the files before it are
// there, complete, and the learner is told whether the save counts.
TEST(SavedWork, AFaultPlannedOnTheFileOperationsReachesEachOfTheThreeFiles) {
  ScratchDir Dir;
  EditorFixture F(1234567890);
  F.toolClick(PickName::Circle);
  F.toolClick(PickName::Circle);
  const auto PathOf = [](int File, char Letter) {
    const char *const Extensions[] = {".png", ".alg", ".svg"};
    return std::string(File == 1 ? "vorpAlgorithms" : "vorpImages") + "/seed_1234567890-" + Letter +
           Extensions[File];
  };
  size_t FilesLeft = 0;
  for (int Failing = 0; Failing < 3; ++Failing) {
    const char Letter = static_cast<char>(F.Host.Saves.letter() + 1);
    FileFaultPlan Plan;
    Plan.Path = PathOf(Failing, Letter);
    Plan.FailWrite = 1;
    F.Storage.setFaults(Plan);
    const bool Counts = Failing == 2; // a missing vector picture spoils no save
    EXPECT_EQ(F.save(), Counts) << Plan.Path;
    EXPECT_EQ(F.State.Popup.text(),
              std::string("seed_1234567890-") + Letter +
                  (Counts ? " gespeichert (SVG nicht gespeichert)" : " nicht gespeichert"));
    for (int File = 0; File < 3; ++File) {
      EXPECT_EQ(fileContent(PathOf(File, Letter)) != "<missing>", File < Failing)
          << PathOf(File, Letter) << " after a fault in " << Plan.Path;
    }
    FilesLeft += static_cast<size_t>(Failing);
  }
  EXPECT_EQ(directoryEntries("vorpImages").size() + directoryEntries("vorpAlgorithms").size(),
            FilesLeft)
      << "no temporary file stays behind";
  // The faults lie only in the file operations: without them the next save
  // writes all three.
  F.Storage.setFaults(FileFaultPlan());
  EXPECT_TRUE(F.save());
  EXPECT_EQ(F.State.Popup.text(), "seed_1234567890-d gespeichert");
}
