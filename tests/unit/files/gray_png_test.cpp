// Grey PNG writing without a window: the red-to-grey rule, the row order,
// the header libpng writes, and every result code with the file left behind.
#include <cmath>
#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "files/gray_png.h"
#include "png_read.h"
#include "scratch_dir.h"

namespace {

// A 3 x 2 picture whose bytes say where they are: 10 * row + column.
const unsigned char Pattern[] = {0, 1, 2, 10, 11, 12};

} // namespace

TEST(GrayPng, RedBecomesGreyByTruncation) {
  EXPECT_EQ(grayFromRed(1.0f), 255);
  EXPECT_EQ(grayFromRed(0.5f), 127);
  EXPECT_EQ(grayFromRed(0.0f), 0);
  EXPECT_EQ(grayFromRed(0.999f), 254);
  EXPECT_EQ(grayFromRed(1.0f / 255.0f), 1);
  EXPECT_EQ(grayFromRed(-0.5f), 0);
  EXPECT_EQ(grayFromRed(7.0f), 255);
  EXPECT_EQ(grayFromRed(std::nanf("")), 0);
}

TEST(GrayPng, RowsAreFlippedSoTheTopRowComesFirst) {
  // OpenGL delivers the bottom row first.
  const float Red[] = {0.0f, 0.5f, 1.0f, 1.0f, 0.0f, 0.5f};
  EXPECT_EQ(grayRowsFromRed(Red, 3, 2), (std::vector<unsigned char>{255, 0, 127, 0, 127, 255}));
  EXPECT_TRUE(grayRowsFromRed(Red, 0, 2).empty());
  EXPECT_TRUE(grayRowsFromRed(Red, 3, -1).empty());
}

TEST(GrayPng, WritesAnEightBitGreyNonInterlacedPictureOfExactlyTheSize) {
  ScratchDir Dir;
  ASSERT_EQ(writeGrayPngBytes("p.png", Pattern, 3, 2), FileResult::Done);
  const GrayPicture P = readGrayPng("p.png");
  EXPECT_EQ(P.format(), "3x2 8-bit grey");
  EXPECT_EQ(P.Pixels, std::vector<unsigned char>(Pattern, Pattern + 6));
  EXPECT_EQ(directoryEntries("."), std::vector<std::string>{"p.png"});
}

TEST(GrayPng, CanvasSizedPictureKeepsEveryByte) {
  ScratchDir Dir;
  std::vector<unsigned char> Bytes(512 * 768);
  for (size_t I = 0; I < Bytes.size(); ++I)
    Bytes[I] = static_cast<unsigned char>((I * 7) % 251);
  ASSERT_EQ(writeGrayPngBytes("canvas.png", Bytes.data(), 512, 768), FileResult::Done);
  const GrayPicture P = readGrayPng("canvas.png");
  EXPECT_EQ(P.format(), "512x768 8-bit grey");
  EXPECT_EQ(P.Pixels, Bytes);
}

TEST(GrayPng, LibraryFailuresGiveTheirCodesAndLeaveTheOlderFile) {
  ScratchDir Dir;
  struct Case {
    int FailAllocation;
    FileResult Expected;
  } Cases[] = {{1, FileResult::EncoderSetupFailed},
               {2, FileResult::EncoderInfoFailed},
               {3, FileResult::EncoderFailed}};
  for (const Case &C : Cases) {
    writeFile("p.png", "older");
    FileFaultPlan Plan;
    Plan.FailPngAllocation = C.FailAllocation;
    EXPECT_EQ(writeGrayPngBytes("p.png", Pattern, 3, 2, FileOperations(Plan)), C.Expected);
    EXPECT_EQ(fileContent("p.png"), "older");
    EXPECT_EQ(directoryEntries("."), std::vector<std::string>{"p.png"});
  }
  // A plan for another picture leaves this one alone.
  FileFaultPlan Elsewhere;
  Elsewhere.Path = "other.png";
  Elsewhere.FailPngAllocation = 1;
  EXPECT_EQ(writeGrayPngBytes("p.png", Pattern, 3, 2, FileOperations(Elsewhere)), FileResult::Done);
  EXPECT_EQ(readGrayPng("p.png").format(), "3x2 8-bit grey");
}

TEST(GrayPng, SizesLibpngRefusesAreLibraryErrors) {
  ScratchDir Dir;
  EXPECT_EQ(writeGrayPngBytes("p.png", Pattern, 0, 2), FileResult::EncoderFailed);
  EXPECT_EQ(writeGrayPngBytes("p.png", Pattern, 3, 0), FileResult::EncoderFailed);
  EXPECT_EQ(writeGrayPngBytes("p.png", Pattern, -3, 2), FileResult::EncoderFailed);
  EXPECT_TRUE(directoryEntries(".").empty());
}

TEST(GrayPng, DiskFailuresKeepTheOlderPicture) {
  ScratchDir Dir;
  FileFaultPlan Plans[3];
  Plans[0].FailWrite = 1; // the signature
  Plans[1].FailWrite = 6; // the compressed image data (after the header chunk)
  Plans[2].FailRename = true;
  const FileResult Expected[3] = {FileResult::EncoderFailed, FileResult::EncoderFailed,
                                  FileResult::FileFailed};
  for (int I = 0; I < 3; ++I) {
    writeFile("p.png", "older");
    EXPECT_EQ(writeGrayPngBytes("p.png", Pattern, 3, 2, FileOperations(Plans[I])), Expected[I]);
    EXPECT_EQ(fileContent("p.png"), "older");
    EXPECT_EQ(directoryEntries("."), std::vector<std::string>{"p.png"});
  }
}

TEST(GrayPng, MissingFolderCannotBeOpened) {
  ScratchDir Dir;
  EXPECT_EQ(writeGrayPngBytes("vorpImages/p.png", Pattern, 3, 2), FileResult::FileFailed);
  EXPECT_TRUE(directoryEntries(".").empty());
}
