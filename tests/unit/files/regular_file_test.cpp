// Opening names from a shared folder: only regular files within the limit are
// read, whatever else the name stands for, and nothing waits or grows.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/regular_file.h"
#include "scratch_dir.h"
#include "watchdog.h"

TEST(RegularFile, ReadsARegularFileUpToTheLimitWhole) {
  ScratchDir Dir;
  const std::string Ten = std::string("zeichne\0k\n", 10);
  writeFile("ten.alg", Ten);
  const RegularFileContent AtLimit = readRegularFile("ten.alg", 10);
  EXPECT_TRUE(AtLimit.readable());
  EXPECT_EQ(AtLimit.Bytes, Ten);
  EXPECT_EQ(checkRegularFile("ten.alg", 10), RegularFileStatus::Readable);

  const RegularFileContent Over = readRegularFile("ten.alg", 9);
  EXPECT_EQ(Over.Status, RegularFileStatus::TooLarge);
  EXPECT_TRUE(Over.Bytes.empty());
  EXPECT_EQ(checkRegularFile("ten.alg", 9), RegularFileStatus::TooLarge);

  writeFile("empty.alg", "");
  EXPECT_TRUE(readRegularFile("empty.alg", 0).readable());
  // A link to a regular file is that file.
  ASSERT_EQ(symlink("ten.alg", "link.alg"), 0);
  EXPECT_EQ(readRegularFile("link.alg", 10).Bytes, Ten);
}

TEST(RegularFile, RefusesAPipeAtOnceWithoutAWriter) {
  ScratchDir Dir;
  Watchdog Guard;
  ASSERT_EQ(mkfifo("fifo.alg", 0600), 0);
  EXPECT_EQ(readRegularFile("fifo.alg", 1000).Status, RegularFileStatus::NotRegular);
  EXPECT_EQ(checkRegularFile("fifo.alg", 1000), RegularFileStatus::NotRegular);
}

TEST(RegularFile, RefusesDevicesAndFoldersAndWhatCannotBeOpened) {
  ScratchDir Dir;
  Watchdog Guard;
  ASSERT_EQ(symlink("/dev/zero", "zero.alg"), 0);
  EXPECT_EQ(readRegularFile("zero.alg", 1000).Status, RegularFileStatus::NotRegular);
  EXPECT_EQ(readRegularFile("/dev/null", 1000).Status, RegularFileStatus::NotRegular);
  ASSERT_EQ(mkdir("folder.alg", 0700), 0);
  EXPECT_EQ(readRegularFile("folder.alg", 1000).Status, RegularFileStatus::NotRegular);
  EXPECT_EQ(readRegularFile("missing.alg", 1000).Status, RegularFileStatus::CannotOpen);
  ASSERT_EQ(symlink("missing.alg", "dangling.alg"), 0);
  EXPECT_EQ(checkRegularFile("dangling.alg", 1000), RegularFileStatus::CannotOpen);
}

// Files under /proc are regular but report a size of 0: the limit must hold
// for the bytes actually read, not for the size reported.
TEST(RegularFile, TheLimitHoldsForFilesThatReportNoSize) {
  const char *Path = "/proc/self/status";
  struct stat Info {};
  if (stat(Path, &Info) != 0 || Info.st_size != 0)
    GTEST_SKIP() << "no /proc file reporting size 0 here";
  const RegularFileContent Whole = readRegularFile(Path, MaxAlgorithmFileBytes);
  ASSERT_TRUE(Whole.readable());
  EXPECT_GT(Whole.Bytes.size(), 100u);
  EXPECT_NE(Whole.Bytes.find("Name:"), std::string::npos);
  EXPECT_EQ(readRegularFile(Path, 100).Status, RegularFileStatus::TooLarge);
}
