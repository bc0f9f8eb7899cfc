// Rendering saved files without a window. Each picture is the Drawing the
// program's own whole preview makes after loading that file, in a program
// started with the seed of the file's name; a file that cannot be read or a
// picture that cannot be written is told once and spares the others; the
// overview groups the files by folder, names every file in order, escaped,
// and embeds each picture exactly as its file holds it.
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

#include "editor_fixture.h"
#include "files/alg_writer.h"
#include "random_shapes.h"
#include "render/html_text.h"
#include "render/overview_page.h"
#include "render/render_batch.h"
#include "render/render_command.h"
#include "render/seed_from_name.h"
#include "scratch_dir.h"
#include "svg_text.h"

namespace {

/// Saves the Algorithm \p S holds as PATH (its folders made as needed).
void saveProgram(Session &S, const std::string &Path) {
  for (size_t Slash = Path.find('/'); Slash != std::string::npos; Slash = Path.find('/', Slash + 1))
    mkdir(Path.substr(0, Slash).c_str(), 0777);
  ASSERT_EQ(writeAlgorithmFile(S.algorithm(), Path), FileResult::Done) << Path;
}

/// A program of random Shapes of every kind, \p Passes passes of its loop,
/// saved as vorpAlgorithms/NAME (or as PATH when it names a folder).
void saveRandomProgram(const std::string &Name, int Passes) {
  Session S(1);
  drawRandomShapes(S, Passes);
  saveProgram(S, Name.find('/') == std::string::npos ? "vorpAlgorithms/" + Name : Name);
}

/// A program that never ends within the step cap: six loops of ten nested,
/// each pass a square (the step cap's many circles would make a picture
/// larger than the bound).
void saveEndlessProgram(const std::string &Name) {
  Session S(1);
  for (int I = 0; I < 6; ++I)
    S.algorithm().appendRepeatStart(10);
  S.algorithm().appendDraw(1);
  for (int I = 0; I < 6; ++I)
    S.algorithm().appendRepeatEnd();
  saveProgram(S, "vorpAlgorithms/" + Name);
}

/// The picture the program shows for the file at PATH (copied into its
/// vorpAlgorithms/ under NAME) after loading it and a right click below the
/// listing's lines, started with \p Seed.
std::string previewPicture(const std::string &Path, int32_t Seed) {
  const std::string Text = fileContent(Path);
  ScratchDir Elsewhere;
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/program.alg", Text);
  EditorFixture F(Seed);
  EXPECT_TRUE(F.load("program.alg")) << Path;
  F.drawAtOnce();
  return drawingSvg(F.Work.drawing());
}

struct Batch {
  std::vector<std::string> Told;
  RenderReport Report;

  Batch(const std::vector<std::string> &Inputs, std::optional<int32_t> Seed = std::nullopt,
        const FileFaultPlan &Faults = FileFaultPlan(), const std::string &Out = "out") {
    Report = renderAlgorithmFiles(
        {Inputs, Out, Seed}, [this](const std::string &Line) { Told.push_back(Line); },
        FileOperations(Faults));
  }

  const Card &card(const std::string &Title) const {
    for (const Card &C : Report.Cards)
      if (C.Source.Title == Title)
        return C;
    throw std::runtime_error("not in the report: " + Title);
  }

  std::vector<std::string> titles() const {
    std::vector<std::string> All;
    for (const Card &C : Report.Cards)
      All.push_back(C.Source.Group + " | " + C.Source.Title);
    return All;
  }
};

/// The card headings of an overview page, in page order.
std::vector<std::string> headingsOf(const std::string &Page) {
  std::vector<std::string> Headings;
  for (size_t At = Page.find("<h3><a href=\"#"); At != std::string::npos;
       At = Page.find("<h3><a href=\"#", At + 1)) {
    const size_t Start = Page.find("\">", At) + 2;
    Headings.push_back(Page.substr(Start, Page.find("</a></h3>", Start) - Start));
  }
  return Headings;
}

} // namespace

TEST(RenderBatch, EachPictureIsTheWholePreviewAfterLoadingTheFile) {
  ScratchDir Dir;
  saveRandomProgram("seed_1007654321-a.alg", 30);
  saveRandomProgram("seed_-17-b.alg", 12);
  saveRandomProgram("klasse5.alg", 20);
  const Batch B({"vorpAlgorithms/seed_1007654321-a.alg", "vorpAlgorithms/seed_-17-b.alg",
                 "vorpAlgorithms/klasse5.alg"},
                33);
  EXPECT_TRUE(B.Report.complete());
  EXPECT_EQ(B.Told, std::vector<std::string>());
  EXPECT_EQ(fileContent("out/seed_1007654321-a.svg"),
            previewPicture("vorpAlgorithms/seed_1007654321-a.alg", 1007654321));
  EXPECT_EQ(fileContent("out/seed_-17-b.svg"),
            previewPicture("vorpAlgorithms/seed_-17-b.alg", -17));
  EXPECT_EQ(fileContent("out/klasse5.svg"), previewPicture("vorpAlgorithms/klasse5.alg", 33))
      << "a name without a seed takes the one given";
  EXPECT_EQ(B.card("klasse5.alg").ShapeCount, 180);
  // Without a seed given, such a name takes 1.
  const Batch Unseeded({"vorpAlgorithms/klasse5.alg"});
  EXPECT_EQ(fileContent("out/klasse5.svg"), previewPicture("vorpAlgorithms/klasse5.alg", 1));
}

TEST(RenderBatch, AFileThatCannotBeReadIsToldOnceAndTheOthersAreRendered) {
  ScratchDir Dir;
  saveRandomProgram("seed_1-a.alg", 2);
  saveRandomProgram("seed_3-c.alg", 3);
  ASSERT_EQ(mkfifo("vorpAlgorithms/seed_2-b.alg", 0666), 0) << "a pipe where a file belongs";
  writeFile("vorpAlgorithms/seed_4-d.alg", std::string(MaxAlgorithmFileBytes + 1, ' '));
  const Batch B({"vorpAlgorithms/seed_3-c.alg", "vorpAlgorithms/seed_2-b.alg",
                 "vorpAlgorithms/seed_4-d.alg", "vorpAlgorithms/seed_1-a.alg",
                 "vorpAlgorithms/gone.alg"});
  EXPECT_FALSE(B.Report.complete());
  EXPECT_EQ(B.Told, (std::vector<std::string>{
                        "vorpAlgorithms/gone.alg: Datei kann nicht gelesen werden, kein Bild.",
                        "vorpAlgorithms/seed_2-b.alg: Datei kann nicht gelesen werden, kein Bild.",
                        "vorpAlgorithms/seed_4-d.alg: Datei ist groesser als 4 MiB, kein Bild."}))
      << "one line per failed file, in name order";
  EXPECT_EQ(B.card("seed_2-b.alg").Outcome, CardOutcome::NotRead);
  EXPECT_EQ(B.card("seed_3-c.alg").Outcome, CardOutcome::Rendered);
  EXPECT_EQ(directoryEntries("out"),
            (std::vector<std::string>{"index.html", "seed_1-a.svg", "seed_3-c.svg"}));
  EXPECT_TRUE(B.Report.OverviewWritten);
  const std::string Page = fileContent("out/index.html");
  EXPECT_EQ(headingsOf(Page), (std::vector<std::string>{"gone.alg", "seed_1-a.alg", "seed_2-b.alg",
                                                        "seed_3-c.alg", "seed_4-d.alg"}))
      << "the teacher sees which failed";
  EXPECT_NE(Page.find("Kein Bild: Das ist keine gewöhnliche Datei."), std::string::npos);
  EXPECT_NE(Page.find("Kein Bild: Die Datei ist größer als 4 MiB."), std::string::npos);
  EXPECT_EQ(Page.find("seed_2-b.svg"), std::string::npos);
}

TEST(RenderBatch, ARunStoppedByTheStepCapIsToldAndKeepsItsShapes) {
  ScratchDir Dir;
  saveEndlessProgram("seed_4-a.alg");
  const Batch B({"vorpAlgorithms/seed_4-a.alg"});
  EXPECT_TRUE(B.Report.complete()) << "the picture of the Shapes made so far counts";
  EXPECT_EQ(B.card("seed_4-a.alg").Outcome, CardOutcome::StepCapReached);
  ASSERT_EQ(B.Told.size(), 1u);
  EXPECT_EQ(B.Told[0],
            "vorpAlgorithms/seed_4-a.alg: Zuviele Befehle, das Bild zeigt die Formen bis dahin.");
  EXPECT_EQ(fileContent("out/seed_4-a.svg"), previewPicture("vorpAlgorithms/seed_4-a.alg", 4));
  EXPECT_GT(B.card("seed_4-a.alg").ShapeCount, 10000);
}

TEST(RenderBatch, APictureThatCannotBeWrittenSparesTheOthers) {
  ScratchDir Dir;
  saveRandomProgram("seed_1-a.alg", 2);
  saveRandomProgram("seed_2-a.alg", 2);
  FileFaultPlan Faults;
  Faults.Path = "out/seed_1-a.svg";
  Faults.FailWrite = 1;
  const Batch B({"vorpAlgorithms"}, std::nullopt, Faults);
  EXPECT_FALSE(B.Report.complete());
  EXPECT_EQ(B.card("seed_1-a.alg").Outcome, CardOutcome::PictureNotWritten);
  EXPECT_EQ(B.Told, std::vector<std::string>{
                        "vorpAlgorithms/seed_1-a.alg: Bild out/seed_1-a.svg kann nicht "
                        "geschrieben werden."});
  EXPECT_EQ(directoryEntries("out"), (std::vector<std::string>{"index.html", "seed_2-a.svg"}));
}

TEST(RenderBatch, AnOutputFolderThatCannotBeMadeIsToldAndNothingIsRendered) {
  ScratchDir Dir;
  saveRandomProgram("seed_1-a.alg", 2);
  writeFile("out", "a file where the folder belongs");
  const Batch B({"vorpAlgorithms/seed_1-a.alg"});
  EXPECT_FALSE(B.Report.complete());
  EXPECT_EQ(B.Told,
            std::vector<std::string>{"Der Ordner out kann nicht angelegt werden, keine Bilder."});
  EXPECT_EQ(fileContent("out"), "a file where the folder belongs");
}

TEST(RenderBatch, AClassFolderGivesOneGroupPerLearnerInTheOrderOfTheirNames) {
  // One folder per learner, named after the learner, as a teacher collects
  // the work; two learners chose the same file name. Beside the work lie a
  // PNG, a stick's hidden copy and a note: none of them is an algorithm.
  ScratchDir Dir;
  saveRandomProgram("klasse/Ben/seed_5-a.alg", 3);
  saveRandomProgram("klasse/Ben/stern.alg", 4);
  saveRandomProgram("klasse/Anna/stern.alg", 5);
  saveRandomProgram("klasse/\xc3\x84nne/seed_6-a.alg", 2);
  saveRandomProgram("klasse/Anna/alt/spirale.alg", 2);
  writeFile("klasse/Ben/seed_5-a.png", "a picture");
  writeFile("klasse/Anna/._stern.alg", "a copying system's leftover");
  writeFile("klasse/notiz.txt", "a note");
  const Batch B({"klasse"}, 8);
  EXPECT_TRUE(B.Report.complete());
  EXPECT_EQ(B.Told, std::vector<std::string>()) << "what a folder holds besides is passed quietly";
  EXPECT_EQ(B.titles(), (std::vector<std::string>{"Anna | Anna/stern.alg", "Anna/alt | spirale.alg",
                                                  "\xc3\x84nne | seed_6-a.alg",
                                                  "Ben | seed_5-a.alg", "Ben | Ben/stern.alg"}))
      << "learners in the order of their names, umlauts with their vowels";
  // The two files of one name keep their own pictures.
  EXPECT_EQ(B.card("Anna/stern.alg").Source.PictureName, "stern.svg");
  EXPECT_EQ(B.card("Ben/stern.alg").Source.PictureName, "stern_2.svg");
  EXPECT_EQ(fileContent("out/stern.svg"), previewPicture("klasse/Anna/stern.alg", 8));
  EXPECT_EQ(fileContent("out/stern_2.svg"), previewPicture("klasse/Ben/stern.alg", 8));
  const std::string Page = fileContent("out/index.html");
  const size_t Anna = Page.find("<h2>Anna</h2>");
  const size_t Aenne = Page.find("<h2>\xc3\x84nne</h2>");
  const size_t Ben = Page.find("<h2>Ben</h2>");
  ASSERT_NE(Anna, std::string::npos);
  EXPECT_LT(Anna, Aenne);
  EXPECT_LT(Aenne, Ben);
  EXPECT_NE(Page.find("5 Dateien in 4 Gruppen"), std::string::npos);
  // A single folder is titled by its own name.
  const Batch One({"klasse/Ben"}, 8, FileFaultPlan(), "one");
  EXPECT_EQ(One.titles(), (std::vector<std::string>{"Ben | seed_5-a.alg", "Ben | stern.alg"}));
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
  saveProgram(S, "vorpAlgorithms/seed_9-<i>&\"'.alg");
  saveProgram(S, "vorpAlgorithms/seed_10-a.alg");
  saveProgram(S, "vorpAlgorithms/a.alg");
  const Batch B({"vorpAlgorithms"});
  ASSERT_TRUE(B.Report.complete());
  const std::string Page = fileContent("out/index.html");
  EXPECT_EQ(Page.find("<i>"), std::string::npos) << "a name never becomes markup";
  EXPECT_EQ(headingsOf(Page), (std::vector<std::string>{"a.alg", "seed_10-a.alg",
                                                        "seed_9-&lt;i&gt;&amp;&quot;&#39;.alg"}))
      << "byte order of the names among equals, as a folder listing shows them";
  EXPECT_EQ(fileContent("out/seed_9-<i>&\"'.svg").substr(0, 5), "<?xml");
  // The listing as the screen shows it, each repeat block one step in.
  EXPECT_NE(Page.find("<li>Wiederhole 2 mal:</li>\n"
                      "<li style=\"--level: 1\">Zeichne Quadrat</li>\n"
                      "<li style=\"--level: 1\">Wiederhole 3 mal:</li>\n"
                      "<li style=\"--level: 2\">Zeichne Kreis</li>\n"
                      "<li style=\"--level: 1\">Wiederhole bis hier.</li>\n"
                      "<li>Wiederhole bis hier.</li>\n"),
            std::string::npos);
  // Past the embedding budget a picture is linked by its name, escaped.
  std::string Linked;
  ASSERT_TRUE(writeOverview(B.Report.Cards, nullptr, 0, [&Linked](const char *Data, size_t Size) {
    Linked.append(Data, Size);
    return true;
  }));
  EXPECT_NE(Linked.find("<img src=\"seed_9-%3Ci%3E%26%22%27.svg\""), std::string::npos);
  EXPECT_EQ(Linked.find("<svg"), std::string::npos);
}

TEST(OverviewPage, EachEmbeddedPictureIsItsFileWithoutTheDeclaration) {
  // The page shows the very picture that was written beside it: the same
  // bytes, in the same order, only without the file's XML declaration.
  ScratchDir Dir;
  saveRandomProgram("seed_1-a.alg", 6);
  saveRandomProgram("seed_2-b.alg", 9);
  saveEndlessProgram("seed_3-c.alg");
  const Batch B({"vorpAlgorithms"});
  ASSERT_TRUE(B.Report.complete());
  const std::string Page = fileContent("out/index.html");
  size_t From = 0;
  for (const char *Name : {"seed_1-a.svg", "seed_2-b.svg", "seed_3-c.svg"}) {
    const std::string File = fileContent(std::string("out/") + Name);
    const std::string Document = File.substr(File.find('\n') + 1);
    ASSERT_EQ(Document.substr(0, 4), "<svg");
    const size_t At = Page.find(Document, From);
    ASSERT_NE(At, std::string::npos) << Name;
    From = At + Document.size();
  }
  EXPECT_EQ(Page.find("<?xml"), std::string::npos);
}

// A teacher renders into a folder where something called index.html is
// already a folder of its own: the pictures are drawn, but the overview is
// not written, and the command must end as a failure so that a script (or
// the teacher) does not hand out a folder without its overview.
TEST(RenderCommand, AnOverviewThatCannotBeWrittenEndsTheCommandAsAFailure) {
  ScratchDir Dir;
  saveRandomProgram("seed_1-a.alg", 2);
  mkdir("out", 0777);
  mkdir("out/index.html", 0777);
  std::FILE *Out = std::tmpfile();
  std::FILE *Errors = std::tmpfile();
  ASSERT_TRUE(Out && Errors);
  const int Status = runRenderCommand({{"vorpAlgorithms/seed_1-a.alg"}, "out", {}}, Out, Errors);
  EXPECT_EQ(Status, RenderFailed);
  EXPECT_EQ(fileContent("out/seed_1-a.svg").empty(), false) << "the picture is drawn all the same";
  std::rewind(Errors);
  std::string Told;
  for (int C = std::fgetc(Errors); C != EOF; C = std::fgetc(Errors))
    Told.push_back(static_cast<char>(C));
  EXPECT_NE(Told.find("Uebersicht"), std::string::npos) << "the teacher is told why: " << Told;
  EXPECT_EQ(std::ftell(Out), 0) << "no summary names an overview that is not there";
  std::fclose(Out);
  std::fclose(Errors);
}

// A learner's file renamed by hand to "seed_--a.alg" names no seed: like
// any other name without one it is drawn with the teacher's --seed, and so
// gives the same picture as the same algorithm under a plain name.
TEST(RenderBatch, ANameWithoutDigitsIsDrawnWithTheGivenSeed) {
  ScratchDir Dir;
  saveRandomProgram("seed_--a.alg", 3);
  saveRandomProgram("plain.alg", 3);
  const Batch B({"vorpAlgorithms/seed_--a.alg", "vorpAlgorithms/plain.alg"}, 7);
  EXPECT_EQ(B.card("seed_--a.alg").Source.Seed, 7);
  EXPECT_EQ(fileContent("out/seed_--a.svg"), fileContent("out/plain.svg"));
  EXPECT_EQ(fileContent("out/plain.svg"), previewPicture("vorpAlgorithms/plain.alg", 7));
}
