// Reading within the limit: a file is read whole up to the limit, refused one
// byte beyond it, and the limit holds for the bytes read, not the size a file
// reports. (Pipes, devices and folders: at the reader and the file list.)
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/regular_file.h"
#include "scratch_dir.h"

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
