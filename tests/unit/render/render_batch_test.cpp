// Rendering saved files without a window. Each picture is the Drawing the
// program's own whole preview makes after loading that file, in a program
// started with the seed of the file's name; a file that cannot be read or a
// picture that cannot be written is told once and spares the others; the
// overview names every file in name order, escaped.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "editor_fixture.h"
#include "files/alg_writer.h"
#include "random_shapes.h"
#include "render/overview_page.h"
#include "render/render_batch.h"
#include "render/seed_from_name.h"
#include "scratch_dir.h"
#include "svg/svg_picture.h"

namespace {

/// Saves the Algorithm \p S holds as vorpAlgorithms/NAME.
void saveProgram(Session &S, const std::string &Name) {
  mkdir("vorpAlgorithms", 0777);
  ASSERT_EQ(writeAlgorithmFile(S.algorithm(), "vorpAlgorithms/" + Name), FileResult::Done) << Name;
}

/// A program of random Shapes of every kind, \p Passes passes of its loop.
void saveRandomProgram(const std::string &Name, int Passes) {
  Session S(1);
  drawRandomShapes(S, Passes);
  saveProgram(S, Name);
}

/// A program that never ends within the step cap: six loops of ten nested.
void saveEndlessProgram(const std::string &Name) {
  Session S(1);
  for (int I = 0; I < 6; ++I)
    S.algorithm().appendRepeatStart(10);
  S.algorithm().appendDraw(2);
  for (int I = 0; I < 6; ++I)
    S.algorithm().appendRepeatEnd();
  saveProgram(S, Name);
}

/// The picture the program shows for vorpAlgorithms/NAME after loading it
/// and a right click below the listing's lines, started with \p Seed.
std::string previewPicture(const std::string &Name, int32_t Seed) {
  EditorFixture F(Seed);
  EXPECT_TRUE(F.load(Name)) << Name;
  F.drawAtOnce();
  return drawingSvg(F.Work.drawing());
}

struct Batch {
  std::vector<std::string> Told;
  RenderReport Report;

  Batch(const std::vector<std::string> &Files, std::optional<int32_t> Seed = std::nullopt,
        const FileFaultPlan &Faults = FileFaultPlan()) {
    std::vector<std::string> Paths;
    for (const std::string &Name : Files)
      Paths.push_back("vorpAlgorithms/" + Name);
    Report = renderAlgorithmFiles(
        {Paths, "out", Seed}, [this](const std::string &Line) { Told.push_back(Line); },
        FileOperations(Faults));
  }

  const RenderedFile &file(const std::string &Name) const {
    for (const RenderedFile &File : Report.Files)
      if (File.FileName == Name)
        return File;
    throw std::runtime_error("not in the report: " + Name);
  }
};

} // namespace

TEST(RenderBatch, EachPictureIsTheWholePreviewAfterLoadingTheFile) {
  ScratchDir Dir;
  saveRandomProgram("seed_1007654321-a.alg", 30);
  saveRandomProgram("seed_-17-b.alg", 12);
  saveRandomProgram("klasse5.alg", 20);
  const Batch B({"seed_1007654321-a.alg", "seed_-17-b.alg", "klasse5.alg"}, 33);
  EXPECT_TRUE(B.Report.complete());
  EXPECT_EQ(B.Told, std::vector<std::string>());
  EXPECT_EQ(fileContent("out/seed_1007654321-a.svg"),
            previewPicture("seed_1007654321-a.alg", 1007654321));
  EXPECT_EQ(fileContent("out/seed_-17-b.svg"), previewPicture("seed_-17-b.alg", -17));
  EXPECT_EQ(fileContent("out/klasse5.svg"), previewPicture("klasse5.alg", 33))
      << "a name without a seed takes the one given";
  EXPECT_EQ(B.file("klasse5.alg").ShapeCount, 180);
  // Without a seed given, such a name takes 1.
  const Batch Unseeded({"klasse5.alg"});
  EXPECT_EQ(fileContent("out/klasse5.svg"), previewPicture("klasse5.alg", 1));
}

TEST(RenderBatch, AFileThatCannotBeReadIsToldOnceAndTheOthersAreRendered) {
  ScratchDir Dir;
  saveRandomProgram("seed_1-a.alg", 2);
  saveRandomProgram("seed_3-c.alg", 3);
  ASSERT_EQ(mkdir("vorpAlgorithms/seed_2-b.alg", 0777), 0) << "a folder where a file belongs";
  const Batch B({"seed_3-c.alg", "seed_2-b.alg", "seed_1-a.alg", "gone.alg"});
  EXPECT_FALSE(B.Report.complete());
  EXPECT_EQ(B.Told,
            (std::vector<std::string>{
                "vorpAlgorithms/gone.alg: Datei kann nicht gelesen werden, kein Bild.",
                "vorpAlgorithms/seed_2-b.alg: Datei kann nicht gelesen werden, kein Bild."}))
      << "one line per failed file, in name order";
  EXPECT_EQ(B.file("seed_2-b.alg").Outcome, RenderOutcome::Unreadable);
  EXPECT_EQ(B.file("seed_3-c.alg").Outcome, RenderOutcome::Rendered);
  EXPECT_EQ(directoryEntries("out"),
            (std::vector<std::string>{"index.html", "seed_1-a.svg", "seed_3-c.svg"}));
  EXPECT_TRUE(B.Report.OverviewWritten);
  const std::string Page = fileContent("out/index.html");
  EXPECT_NE(Page.find("<h2>seed_2-b.alg</h2>"), std::string::npos) << "the teacher sees it failed";
  EXPECT_EQ(Page.find("seed_2-b.svg"), std::string::npos);
}

TEST(RenderBatch, ARunStoppedByTheStepCapIsToldAndKeepsItsShapes) {
  ScratchDir Dir;
  saveEndlessProgram("seed_4-a.alg");
  const Batch B({"seed_4-a.alg"});
  EXPECT_TRUE(B.Report.complete()) << "the picture of the Shapes made so far counts";
  EXPECT_EQ(B.file("seed_4-a.alg").Outcome, RenderOutcome::StepCapReached);
  ASSERT_EQ(B.Told.size(), 1u);
  EXPECT_EQ(B.Told[0],
            "vorpAlgorithms/seed_4-a.alg: Zuviele Befehle, das Bild zeigt die Formen bis dahin.");
  EXPECT_EQ(fileContent("out/seed_4-a.svg"), previewPicture("seed_4-a.alg", 4));
  EXPECT_GT(B.file("seed_4-a.alg").ShapeCount, 10000);
}

TEST(RenderBatch, APictureThatCannotBeWrittenSparesTheOthers) {
  ScratchDir Dir;
  saveRandomProgram("seed_1-a.alg", 2);
  saveRandomProgram("seed_2-a.alg", 2);
  FileFaultPlan Faults;
  Faults.Path = "out/seed_1-a.svg";
  Faults.FailWrite = 1;
  const Batch B({"seed_1-a.alg", "seed_2-a.alg"}, std::nullopt, Faults);
  EXPECT_FALSE(B.Report.complete());
  EXPECT_EQ(B.file("seed_1-a.alg").Outcome, RenderOutcome::PictureNotWritten);
  EXPECT_EQ(B.Told, std::vector<std::string>{
                        "vorpAlgorithms/seed_1-a.alg: Bild out/seed_1-a.svg kann nicht "
                        "geschrieben werden."});
  EXPECT_EQ(directoryEntries("out"), (std::vector<std::string>{"index.html", "seed_2-a.svg"}));
}

TEST(RenderBatch, AnOutputFolderThatCannotBeMadeIsToldAndNothingIsRendered) {
  ScratchDir Dir;
  saveRandomProgram("seed_1-a.alg", 2);
  writeFile("out", "a file where the folder belongs");
  const Batch B({"seed_1-a.alg"});
  EXPECT_FALSE(B.Report.complete());
  EXPECT_EQ(B.Told,
            std::vector<std::string>{"Der Ordner out kann nicht angelegt werden, keine Bilder."});
  EXPECT_EQ(fileContent("out"), "a file where the folder belongs");
}

TEST(OverviewPage, FilesInNameOrderEveryNameAndSentenceEscaped) {
  ScratchDir Dir;
  Session S(1);
  Algorithm &A = S.algorithm();
  A.appendRepeatStart(2);
  A.appendDraw(1);
  A.appendRepeatStart(3);
  A.appendDraw(2);
  A.appendRepeatEnd();
  A.appendRepeatEnd();
  saveProgram(S, "seed_9-<i>&\"'.alg");
  saveProgram(S, "seed_10-a.alg");
  saveProgram(S, "a.alg");
  const Batch B({"seed_9-<i>&\"'.alg", "seed_10-a.alg", "a.alg"});
  ASSERT_TRUE(B.Report.complete());
  const std::string Page = fileContent("out/index.html");
  EXPECT_EQ(Page.find("<i>"), std::string::npos) << "a name never becomes markup";
  const size_t Hostile = Page.find("<h2>seed_9-&lt;i&gt;&amp;&quot;&#39;.alg</h2>");
  const size_t Ten = Page.find("<h2>seed_10-a.alg</h2>");
  const size_t First = Page.find("<h2>a.alg</h2>");
  ASSERT_NE(Hostile, std::string::npos);
  ASSERT_NE(Ten, std::string::npos);
  EXPECT_LT(First, Ten);
  EXPECT_LT(Ten, Hostile) << "byte order of the names, as a folder listing shows them";
  EXPECT_NE(Page.find("src=\"seed_9-%3Ci%3E%26%22%27.svg\""), std::string::npos);
  EXPECT_EQ(fileContent("out/seed_9-<i>&\"'.svg").substr(0, 5), "<?xml");
  // The listing as the screen shows it, each repeat block one step in.
  EXPECT_NE(Page.find("<li>Wiederhole 2 mal:</li>\n"
                      "<li style=\"--level: 1\">Zeichne Quadrat</li>\n"
                      "<li style=\"--level: 1\">Wiederhole 3 mal:</li>\n"
                      "<li style=\"--level: 2\">Zeichne Kreis</li>\n"
                      "<li style=\"--level: 1\">Wiederhole bis hier.</li>\n"
                      "<li>Wiederhole bis hier.</li>\n"),
            std::string::npos);
  EXPECT_EQ(htmlEscaped("Gib x den Wert 5"), "Gib x den Wert 5");
}
