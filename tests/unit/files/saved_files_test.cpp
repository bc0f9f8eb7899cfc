// The saved-file scan, what it leaves out, and the choice of the entries a
// list of limited height shows.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "files/regular_file.h"
#include "files/saved_files.h"
#include "watchdog.h"

namespace {

struct TempFolder {
  std::string Path;
  TempFolder() {
    char Template[] = "/tmp/quovadrin-saved-XXXXXX";
    Path = mkdtemp(Template);
  }
  ~TempFolder() {
    std::error_code Ignored;
    std::filesystem::remove_all(Path, Ignored);
  }
  void touch(const std::string &Name) const {
    FILE *F = std::fopen((Path + "/" + Name).c_str(), "wb");
    ASSERT_NE(F, nullptr);
    std::fclose(F);
  }
};

std::vector<std::string> names(int From, int To) {
  std::vector<std::string> Result;
  for (int I = From; I <= To; ++I)
    Result.push_back("seed_" + std::to_string(1000000000 + I) + "-a.alg");
  return Result;
}

} // namespace

TEST(SavedFiles, ScanListsAlgFilesByNameWithoutFolder) {
  TempFolder Dir;
  Dir.touch("seed_1700000002-a.alg");
  Dir.touch("seed_1700000001-b.alg");
  Dir.touch("seed_1700000001-a.alg");
  Dir.touch("seed_1700000001-a.png");
  Dir.touch("notes.txt");
  mkdir((Dir.Path + "/folder.alg.d").c_str(), 0700);
  std::vector<std::string> Found = scanSavedAlgorithms((Dir.Path + "/*.alg").c_str());
  EXPECT_EQ(Found, (std::vector<std::string>{"seed_1700000001-a.alg", "seed_1700000001-b.alg",
                                             "seed_1700000002-a.alg"}));
  EXPECT_TRUE(scanSavedAlgorithms((Dir.Path + "/missing/*.alg").c_str()).empty());
}

// The list offers only what a click can load: whatever else a shared folder
// holds under a .alg name is left out, without waiting on any of it.
TEST(SavedFiles, ScanLeavesOutNamesTheReaderWouldRefuse) {
  TempFolder Dir;
  Watchdog Guard;
  Dir.touch("seed_1-a.alg");
  ASSERT_EQ(symlink((Dir.Path + "/seed_1-a.alg").c_str(), (Dir.Path + "/copy.alg").c_str()), 0);
  ASSERT_EQ(mkfifo((Dir.Path + "/fifo.alg").c_str(), 0600), 0);
  ASSERT_EQ(symlink("/dev/zero", (Dir.Path + "/zero.alg").c_str()), 0);
  ASSERT_EQ(symlink("gone", (Dir.Path + "/dangling.alg").c_str()), 0);
  ASSERT_EQ(mkdir((Dir.Path + "/folder.alg").c_str(), 0700), 0);
  ASSERT_EQ(truncate((Dir.Path + "/seed_1-a.alg").c_str(), MaxAlgorithmFileBytes), 0);
  Dir.touch("seed_2-a.alg");
  ASSERT_EQ(truncate((Dir.Path + "/seed_2-a.alg").c_str(), MaxAlgorithmFileBytes + 1), 0);
  EXPECT_EQ(scanSavedAlgorithms((Dir.Path + "/*.alg").c_str()),
            (std::vector<std::string>{"copy.alg", "seed_1-a.alg"}));
}

TEST(SavedFiles, AListThatFitsIsShownWhole) {
  SavedFileWindow Window = newestThatFit(names(1, 60), 60);
  EXPECT_EQ(Window.Shown.size(), 60u);
  EXPECT_EQ(Window.Hidden, 0);
  EXPECT_TRUE(newestThatFit({}, 60).Shown.empty());
}

TEST(SavedFiles, ALongListShowsTheNewestAndCountsTheRest) {
  SavedFileWindow Window = newestThatFit(names(1, 61), 60);
  EXPECT_EQ(Window.Hidden, 2);
  ASSERT_EQ(Window.Shown.size(), 59u);
  EXPECT_EQ(Window.Shown.front(), names(3, 3)[0]);
  EXPECT_EQ(Window.Shown.back(), names(61, 61)[0]);
  SavedFileWindow Many = newestThatFit(names(1, 700), 60);
  EXPECT_EQ(Many.Hidden, 641);
  EXPECT_EQ(Many.Shown.size(), 59u);
  EXPECT_EQ(Many.Shown.back(), names(700, 700)[0]);
  EXPECT_EQ(hiddenFilesText(641), "(641 aeltere Dateien)");
  EXPECT_EQ(hiddenFilesText(1), "(1 aeltere Datei)");
}
