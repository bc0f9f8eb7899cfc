// The atomic file writer: the final name only ever holds a complete file, an
// older file survives every failure, and no temporary file is left behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "files/atomic_file.h"
#include "scratch_dir.h"

namespace {

// Writes "one", "two", "three" and commits; false when any step failed.
bool writeThreeParts(const std::string &Path, const FileFaultPlan &Faults = FileFaultPlan()) {
  AtomicFile File(Path, FileOperations(Faults));
  bool Ok = File.isOpen();
  Ok = File.write("one ") && Ok;
  Ok = File.write("two ") && Ok;
  Ok = File.write("three") && Ok;
  return File.commit() && Ok;
}

} // namespace

TEST(AtomicFile, CommitPutsTheCompleteFileInPlaceAndLeavesNoTemporary) {
  ScratchDir Dir;
  EXPECT_TRUE(writeThreeParts("out.alg"));
  EXPECT_EQ(fileContent("out.alg"), "one two three");
  EXPECT_EQ(directoryEntries("."), std::vector<std::string>{"out.alg"});
}

TEST(AtomicFile, OlderFileKeepsItsContentUntilTheCommit) {
  ScratchDir Dir;
  writeFile("out.alg", "older");
  AtomicFile File("out.alg");
  ASSERT_TRUE(File.isOpen());
  EXPECT_TRUE(File.write("newer content"));
  EXPECT_EQ(fileContent("out.alg"), "older");
  // The temporary file sits in the same folder, hidden, and is no .alg file.
  EXPECT_EQ(File.temporaryPath().rfind(".quovadrin-", 0), 0u);
  EXPECT_EQ(File.temporaryPath().find('/'), std::string::npos);
  EXPECT_TRUE(File.commit());
  EXPECT_EQ(fileContent("out.alg"), "newer content");
  EXPECT_EQ(directoryEntries("."), std::vector<std::string>{"out.alg"});
}

TEST(AtomicFile, EveryInjectedFailureKeepsTheOlderFileAndRemovesTheTemporary) {
  ScratchDir Dir;
  FileFaultPlan Plans[6];
  Plans[0].FailWrite = 1;
  Plans[1].FailWrite = 2;
  Plans[2].FailWrite = 3;
  Plans[3].FailSync = true;
  Plans[4].FailClose = true;
  Plans[5].FailRename = true;
  for (const FileFaultPlan &Plan : Plans) {
    writeFile("out.alg", "older");
    EXPECT_FALSE(writeThreeParts("out.alg", Plan));
    EXPECT_EQ(fileContent("out.alg"), "older");
    EXPECT_EQ(directoryEntries("."), std::vector<std::string>{"out.alg"});
  }
}

TEST(AtomicFile, AFailedWriteMakesEveryLaterStepFail) {
  ScratchDir Dir;
  FileFaultPlan Plan;
  Plan.FailWrite = 2;
  AtomicFile File("new.alg", FileOperations(Plan));
  EXPECT_TRUE(File.write("a"));
  EXPECT_FALSE(File.write("b"));
  EXPECT_FALSE(File.write("c"));
  EXPECT_FALSE(File.commit());
  EXPECT_TRUE(directoryEntries(".").empty());
}

TEST(AtomicFile, FaultPlanOnlyHitsItsOwnPath) {
  ScratchDir Dir;
  FileFaultPlan Plan;
  Plan.Path = "other.alg";
  Plan.FailWrite = 1;
  EXPECT_TRUE(writeThreeParts("out.alg", Plan));
  EXPECT_FALSE(writeThreeParts("other.alg", Plan));
  EXPECT_EQ(directoryEntries("."), std::vector<std::string>{"out.alg"});
}

TEST(AtomicFile, MissingFolderCannotBeOpenedAndCreatesNothing) {
  ScratchDir Dir;
  AtomicFile File("missing/out.alg");
  EXPECT_FALSE(File.isOpen());
  EXPECT_FALSE(File.write("x"));
  EXPECT_FALSE(File.commit());
  EXPECT_TRUE(directoryEntries(".").empty());
}

TEST(AtomicFile, AbandonedFileLeavesNothingBehind) {
  ScratchDir Dir;
  {
    AtomicFile File("out.alg");
    EXPECT_TRUE(File.write("never committed"));
  }
  EXPECT_TRUE(directoryEntries(".").empty());
}

TEST(AtomicFile, NewFileGetsTheUsualPermissions) {
  ScratchDir Dir;
  const mode_t Mask = umask(022);
  EXPECT_TRUE(writeThreeParts("out.alg"));
  umask(Mask);
  struct stat Info {};
  ASSERT_EQ(stat("out.alg", &Info), 0);
  EXPECT_EQ(Info.st_mode & 0777, 0644u);
}
