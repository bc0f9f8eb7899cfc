// The overview made a card at a time, as the web page makes it, against the
// overview --render writes for the same folder: the page must be the same,
// byte for byte. Then what only the page meets: the same file twice in one
// group (a backup .zip beside the files it holds) and two different files
// of one name in one group.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "files/alg_writer.h"
#include "random_shapes.h"
#include "render/overview_builder.h"
#include "render/render_batch.h"
#include "scratch_dir.h"

namespace {

void saveRandomProgram(const std::string &Path, int Passes) {
  for (size_t Slash = Path.find('/'); Slash != std::string::npos; Slash = Path.find('/', Slash + 1))
    mkdir(Path.substr(0, Slash).c_str(), 0777);
  Session S(1);
  drawRandomShapes(S, Passes);
  ASSERT_EQ(writeAlgorithmFile(S.algorithm(), Path), FileResult::Done) << Path;
}

std::string folderOf(const std::string &Path) { return Path.substr(0, Path.rfind('/')); }

/// A file handed to the builder as the page hands it: its bytes, or the
/// reason the page could not read it.
struct PageFile {
  std::string Path;
  std::string Folder;
  std::string Bytes;
  RegularFileStatus Status = RegularFileStatus::Readable;
};

PageFile fromDisk(const std::string &Path) {
  const RegularFileContent Content = readRegularFile(Path, MaxAlgorithmFileBytes);
  return {Path, folderOf(Path), Content.Bytes, Content.Status};
}

/// Draws \p Files in portions, as the page does, and returns the page with
/// the order in which the builder asked for the files.
std::string pageOf(const std::vector<PageFile> &Files, std::vector<std::string> *Asked = nullptr,
                   OverviewBuilder *Used = nullptr) {
  OverviewBuilder Own;
  OverviewBuilder &B = Used ? *Used : Own;
  for (const PageFile &File : Files)
    B.addFile(File.Path, File.Folder);
  B.plan();
  while (!B.finished()) {
    const PageFile &File = Files[B.nextFile()];
    if (Asked)
      Asked->push_back(File.Path);
    if (File.Status == RegularFileStatus::Readable)
      (void)B.drawNext(File.Bytes);
    else
      B.skipNext(File.Status);
  }
  std::string Page;
  EXPECT_TRUE(B.writePage([&Page](const char *Data, size_t Size) {
    Page.append(Data, Size);
    return true;
  }));
  return Page;
}

std::vector<std::string> titlesOf(const OverviewBuilder &B) {
  std::vector<std::string> Titles;
  for (const Card &C : B.cards())
    Titles.push_back(C.Source.Group + " | " + C.Source.Title);
  return Titles;
}

} // namespace

TEST(OverviewBuilder, MakesTheSamePageAsRenderForTheSameFolder) {
  ScratchDir Dir;
  saveRandomProgram("klasse/Ben/seed_1007654321-a.alg", 12);
  saveRandomProgram("klasse/Ben/stern.alg", 4);
  saveRandomProgram("klasse/Anna/stern.alg", 5);
  saveRandomProgram("klasse/Clara/seed_-17-c.alg", 30);
  saveRandomProgram("klasse/Clara/alt/spirale.alg", 2);
  writeFile("klasse/kaputt.alg", std::string(MaxAlgorithmFileBytes + 1, 'x'));
  ASSERT_EQ(mkfifo("klasse/Ben/seed_2-b.alg", 0666), 0) << "a pipe where a file belongs";
  const RenderReport Desktop =
      renderAlgorithmFiles({{"klasse"}, "out", std::nullopt}, [](const std::string &) {});
  ASSERT_EQ(Desktop.Cards.size(), 7u);
  // The page names the files in whatever order its browser found them.
  std::vector<PageFile> Files;
  for (const char *Path :
       {"klasse/kaputt.alg", "klasse/Clara/alt/spirale.alg", "klasse/Ben/seed_2-b.alg",
        "klasse/Ben/stern.alg", "klasse/Clara/seed_-17-c.alg", "klasse/Anna/stern.alg",
        "klasse/Ben/seed_1007654321-a.alg"})
    Files.push_back(fromDisk(Path));
  std::vector<std::string> Asked;
  EXPECT_EQ(pageOf(Files, &Asked), fileContent("out/index.html"));
  EXPECT_EQ(Asked,
            (std::vector<std::string>{"klasse/Anna/stern.alg", "klasse/Ben/seed_1007654321-a.alg",
                                      "klasse/Ben/seed_2-b.alg", "klasse/Ben/stern.alg",
                                      "klasse/Clara/seed_-17-c.alg", "klasse/Clara/alt/spirale.alg",
                                      "klasse/kaputt.alg"}))
      << "each file is read only when its card is due, in the overview's order";
}

TEST(OverviewBuilder, TheSameFileTwiceInAGroupGetsOneCard) {
  // A learner's folder with the work and, beside it, a backup .zip of the
  // same work, which the page unpacks into the folder.
  ScratchDir Dir;
  saveRandomProgram("Clara/seed_5-a.alg", 3);
  saveRandomProgram("Clara/seed_6-a.alg", 4);
  const std::string Five = fileContent("Clara/seed_5-a.alg");
  const std::string Six = fileContent("Clara/seed_6-a.alg");
  OverviewBuilder B;
  const std::string Page = pageOf({{"Clara/seed_5-a.alg", "Clara", Five},
                                   {"Clara/sicherung.zip/seed_5-a.alg", "Clara", Five},
                                   {"Clara/seed_6-a.alg", "Clara", Six},
                                   {"Clara/sicherung.zip/seed_6-a.alg", "Clara", Six}},
                                  nullptr, &B);
  EXPECT_EQ(titlesOf(B),
            (std::vector<std::string>{"Clara | seed_5-a.alg", "Clara | seed_6-a.alg"}));
  EXPECT_EQ(B.doneCount(), 4u);
  EXPECT_NE(Page.find("2 Dateien in 1 Gruppe"), std::string::npos);
}

TEST(OverviewBuilder, TwoFilesOfOneNameInAGroupAreToldApartByTheirPath) {
  ScratchDir Dir;
  saveRandomProgram("a.alg", 3);
  saveRandomProgram("b.alg", 4);
  OverviewBuilder B;
  const std::string Page =
      pageOf({{"klasse/Ben/stern.alg", "klasse/Ben", fileContent("a.alg")},
              {"klasse/Ben/abgabe.zip/stern.alg", "klasse/Ben", fileContent("b.alg")},
              {"klasse/Anna/stern.alg", "klasse/Anna", fileContent("a.alg")}},
             nullptr, &B);
  EXPECT_EQ(titlesOf(B),
            (std::vector<std::string>{"Anna | Anna/stern.alg", "Ben | Ben/abgabe.zip/stern.alg",
                                      "Ben | Ben/stern.alg"}));
  EXPECT_NE(Page.find(">Ben/abgabe.zip/stern.alg</a></h3>"), std::string::npos);
  EXPECT_EQ(B.cards()[1].Source.PictureName, "stern_2.svg");
}

TEST(OverviewBuilder, PicturesPastTheBudgetAreLinkedAsRenderLinksThem) {
  // A budget the first picture spends whole: the builder keeps that one
  // only, and the page embeds it and links the others, as --render's page
  // would with the same budget.
  ScratchDir Dir;
  saveRandomProgram("p.alg", 6);
  const std::string Bytes = fileContent("p.alg");
  std::vector<PageFile> Files;
  for (int I = 0; I < 3; ++I)
    Files.push_back({"k/" + std::to_string(I) + ".alg", "k", Bytes + std::string(I, '\n')});
  OverviewBuilder Whole;
  (void)pageOf({Files[0]}, nullptr, &Whole);
  const std::string First = Whole.picture(0);
  ASSERT_EQ(First.substr(0, 5), "<?xml");
  OverviewBuilder B(First.size() - First.find('\n') - 1);
  const std::string Page = pageOf(Files, nullptr, &B);
  EXPECT_EQ(B.picture(0), First);
  EXPECT_TRUE(B.picture(1).empty());
  EXPECT_TRUE(B.picture(2).empty());
  std::string Linked;
  ASSERT_TRUE(writeOverview(
      B.cards(),
      [&First](const Card &) -> TextProducer {
        return [&First](const TextSink &Sink) { return Sink(First.data(), First.size()); };
      },
      First.size() - First.find('\n') - 1,
      [&Linked](const char *Data, size_t Size) {
        Linked.append(Data, Size);
        return true;
      }));
  EXPECT_EQ(Page, Linked);
  EXPECT_NE(Page.find("<img src=\"1.svg\""), std::string::npos);
}
