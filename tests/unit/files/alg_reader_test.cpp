// The forgiving .alg reader: keyword order and fall-through, word positions,
// names and numbers, the variable forms it skips, line pieces of 999 bytes,
// line ends, unreadable files, what is not a regular file or too large, and
// the hand-over of what it read.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "exec/random.h"
#include "files/alg_reader.h"
#include "files/regular_file.h"
#include "model/algorithm.h"
#include "model/variable.h"
#include "scratch_dir.h"
#include "watchdog.h"

namespace {

using Reader = AlgorithmFileReader;

// The sentences of everything read from \p Text, " | " between them.
std::string sentences(const Reader &R) {
  std::string Out;
  for (const Command *C = R.algorithm()->head(); C; C = C->next())
    Out += (Out.empty() ? "" : " | ") + C->text();
  return Out;
}

std::string read(const std::string &Text) {
  Reader R;
  R.readBuffer(Text.data(), Text.size());
  return sentences(R);
}

} // namespace

TEST(AlgReader, StartsWithTenFreshVariablesAndAnEmptyAlgorithm) {
  Reader R;
  const char *Names[] = {"x", "y", "dx", "dy", "h", "v", "d", "n", "max", "min"};
  const int Values[] = {0, 0, 1, 1, 0, 0, 0, 27, 10, 0};
  for (int I = 0; I < Reader::SlotCount; ++I) {
    EXPECT_EQ(R.variable(Reader::Slot(I))->name(), Names[I]);
    EXPECT_EQ(R.variable(Reader::Slot(I))->value(), Values[I]);
  }
  EXPECT_EQ(R.algorithm()->commandCount(), 0);
  EXPECT_TRUE(R.opened());
}

TEST(AlgReader, FindVariableMatchesExactNamesAndFallsBackToX) {
  Reader R;
  const char *Names[] = {"x", "y", "dx", "dy", "h", "v", "d", "n", "max", "min"};
  for (int I = 0; I < Reader::SlotCount; ++I)
    EXPECT_EQ(R.findVariable(Names[I]), R.variable(Reader::Slot(I)));
  for (const char *Other : {"", "q", "X", "maxi", "m", "dxy", "x\n", "gib"})
    EXPECT_EQ(R.findVariable(Other), R.variable(Reader::X)) << Other;
}

TEST(AlgReader, LetterCaseAndPlaceOfKeywordsDoNotMatter) {
  EXPECT_EQ(read("ZEICHNE KREIS\n"), "Zeichne Kreis");
  EXPECT_EQ(read("bitte zeichne einen kreis\n"), "Zeichne Kreis");
  EXPECT_EQ(read("Ich ADDIERE 3 zu Y\n"), "Addiere 0 zu x"); // words count from the line start
  EXPECT_EQ(read("addiere 3 zu Y\n"), "Addiere 3 zu y");
}

TEST(AlgReader, FirstKeywordInTheTableWins) {
  EXPECT_EQ(read("gib x den wert 5 und zeichne kreis\n"), "Gib x den Wert 5");
  // "gib" comes before "addiere" wherever each stands in the line.
  EXPECT_EQ(read("addiere 5 zu y und gib\n"), "Gib x den Wert 0");
  EXPECT_EQ(read("gib y den wert 5 addiere\n"), "Gib y den Wert 5");
  EXPECT_EQ(read("zeichne quadrat addiere 1 zu x\n"), "Addiere 0 zu x");
  EXPECT_EQ(read("dividiere x durch 2 subtrahiere\n"), "Subtrahiere 0 von x");
  EXPECT_EQ(read("wiederhole 3 mal: zufallswert fuer y\n"),
            "Zufallswert fuer x zwischen max und min");
}

TEST(AlgReader, DrawWithoutShapeFallsThroughToLaterKeywords) {
  EXPECT_EQ(read("Wiederhole 3 mal:\nzeichne bis wiederhole\n"),
            "Wiederhole 3 mal: | Wiederhole bis hier.");
  EXPECT_EQ(read("zeichne nichts\n"), "");
  // Words still count from the line start: the third word is the target,
  // the second the count.
  EXPECT_EQ(read("zeichne zufallswert y\n"), "Zufallswert fuer y zwischen max und min");
  EXPECT_EQ(read("zeichne 4 wiederhole\n"), "Wiederhole 4 mal:");
  EXPECT_EQ(read("zeichne wiederhole 4\n"), "Wiederhole 0 mal:");
}

TEST(AlgReader, ShapeWordsGiveTheirKinds) {
  Reader R;
  const std::string Text = "Zeichne Quadrat\nZeichne Kreis\nZeichne Blob\n"
                           "zeichne ungefuelltes quadrat\nZeichne gefuellten Kreis\n"
                           "Zeichne gefuellten Blob\nZeichne Rasterlinie\nZeichne freie Linie\n"
                           "Zeichne weiche Linie\nZeichne Rasterlinienzug\n"
                           "Zeichne freien Linienzug\nZeichne weichen Linienzug\n"
                           "zeichne linie\nzeichne linienzug\nzeichne freie\n";
  R.readBuffer(Text.data(), Text.size());
  std::vector<int> Kinds;
  for (const Command *C = R.algorithm()->head(); C; C = C->next()) {
    EXPECT_EQ(C->kind(), CommandKind::Draw);
    Kinds.push_back(C->value());
  }
  EXPECT_EQ(Kinds, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(AlgReader, GiveNeedsItsFifthWord) {
  EXPECT_EQ(read("Gib x den Wert\n"), "");
  EXPECT_EQ(read("Gib x den Wert \n"), "Gib x den Wert 0"); // the line end is a word
  EXPECT_EQ(read("Gib x den Wert abc\n"), "Gib x den Wert 0");
  EXPECT_EQ(read("Gib q den Wert 5\n"), "Gib x den Wert 5");
  EXPECT_EQ(read("Gib dy den Wert -7\n"), "Gib dy den Wert -7");
  EXPECT_EQ(read("gib x den wert 010\ngib x den wert 0x10\n"),
            "Gib x den Wert 8 | Gib x den Wert 16");
}

TEST(AlgReader, ApostrophesSeparateWordsTabsDoNot) {
  EXPECT_EQ(read("gib 'x' den wert 5\n"), "Gib x den Wert 5");
  EXPECT_EQ(read("gib 'max' den wert '12'\n"), "Gib max den Wert 12");
  EXPECT_EQ(read("gib\ty den wert 5 6\n"), "Gib x den Wert 6");
  EXPECT_EQ(read("gib   y    den  wert   5\n"), "Gib y den Wert 5");
}

TEST(AlgReader, WordsCountFromTheLineStartNotFromTheKeyword) {
  Reader R;
  const std::string Text = "bitte gib y den wert 5\n";
  R.readBuffer(Text.data(), Text.size());
  ASSERT_EQ(R.algorithm()->commandCount(), 1);
  const Command *C = R.algorithm()->head();
  EXPECT_EQ(C->op(), ArithmeticOp::Give);
  EXPECT_EQ(C->target(), R.variable(Reader::X));
  EXPECT_EQ(C->value(), 0);
}

TEST(AlgReader, ArithmeticFormsReadTheirOwnWordPositions) {
  EXPECT_EQ(read("Addiere 20 zu x\nSubtrahiere 5 von y\nMultipliziere d mit 2\n"
                 "Dividiere d durch 3\n"),
            "Addiere 20 zu x | Subtrahiere 5 von y | Multipliziere d mit 2 | Dividiere d durch 3");
  // One word short of the last word read: nothing.
  EXPECT_EQ(read("Addiere 20 zu\nSubtrahiere 5 von\nMultipliziere d mit\nDividiere d durch\n"), "");
  // The last word read may carry the line end.
  EXPECT_EQ(read("Dividiere h durch -4\r\n"), "Dividiere h durch -4");
}

TEST(AlgReader, VariableFormsAreTakenAndAddNothing) {
  EXPECT_EQ(read("Gib x den Wert von y\nAddiere den Wert von x zu y\n"
                 "Subtrahiere von x den Wert von y\nMultipliziere x mit dem Wert von y\n"
                 "Dividiere x durch den Wert von y\n"),
            "");
  // Taken means no later keyword gets the line either.
  EXPECT_EQ(read("gib von zeichne kreis\n"), "");
}

TEST(AlgReader, RandomValueIsAlwaysBoundedByTheReadersMaxAndMin) {
  Reader R;
  const std::string Text =
      "Zufallswert fuer d zwischen a und b\nZufallswert fuer y zwischen n und h\n"
      "zufallswert\nzufallswert fuer\nzufallswert fuer 'dy'\n";
  R.readBuffer(Text.data(), Text.size());
  std::vector<Variable *> Targets;
  for (const Command *C = R.algorithm()->head(); C; C = C->next()) {
    EXPECT_EQ(C->kind(), CommandKind::RandomValue);
    EXPECT_EQ(C->source(), R.variable(Reader::Max));
    EXPECT_EQ(C->lower(), R.variable(Reader::Min));
    Targets.push_back(C->target());
  }
  EXPECT_EQ(Targets, (std::vector<Variable *>{R.variable(Reader::D), R.variable(Reader::Y),
                                              R.variable(Reader::X), R.variable(Reader::X),
                                              R.variable(Reader::Dy)}));
}

TEST(AlgReader, RepeatStartNeedsACountWordAndEndsPairWithOpenStarts) {
  EXPECT_EQ(read("Wiederhole\n"), "");
  EXPECT_EQ(read("Wiederhole 3 mal:\n"), "Wiederhole 3 mal:");
  EXPECT_EQ(read("Wiederhole bis hier.\n"), ""); // no open start
  EXPECT_EQ(read("wiederhole x mal\n"), "Wiederhole 0 mal:");
  Reader R;
  const std::string Text = "Wiederhole 2 mal:\n  Wiederhole 3 mal:\n  Wiederhole bis hier.\n"
                           "Wiederhole bis hier.\nWiederhole bis hier.\n";
  R.readBuffer(Text.data(), Text.size());
  ASSERT_EQ(R.algorithm()->commandCount(), 4);
  EXPECT_EQ(R.algorithm()->lookup(3)->jumpTarget(), 2);
  EXPECT_EQ(R.algorithm()->lookup(4)->jumpTarget(), 1);
}

TEST(AlgReader, HeaderAndEmptyLinesAddNothing) {
  EXPECT_EQ(read("*************************************\r\n"
                 "*    Quovadrin Algorithmus Datei    *\r\n"
                 "*************************************\r\n"
                 "\r\n\n\r\n   \n"),
            "");
}

TEST(AlgReader, CrLfAndLfFilesReadTheSame) {
  const std::string Lf = "Gib max den Wert 18\nWiederhole 20 mal:\nZufallswert fuer dx zwischen "
                         "max und min\nZeichne weichen Linienzug\nWiederhole bis hier.\nGib n "
                         "den Wert 0x1F";
  std::string CrLf;
  for (char C : Lf)
    CrLf += C == '\n' ? std::string("\r\n") : std::string(1, C);
  EXPECT_EQ(read(CrLf), read(Lf));
  EXPECT_EQ(read(CrLf), "Gib max den Wert 18 | Wiederhole 20 mal: | Zufallswert fuer dx zwischen "
                        "max und min | Zeichne weichen Linienzug | Wiederhole bis hier. | Gib n "
                        "den Wert 31");
}

TEST(AlgReader, LongLinesArriveInPiecesOf999Bytes) {
  // The first piece ends exactly after "zeichne quadrat"; the rest of the
  // line is a piece, and so a line, of its own.
  const std::string Line = std::string(984, '-') + "zeichne quadrat" + "zeichne kreis\n";
  ASSERT_EQ(std::string(984, '-').size() + 15, 999u);
  EXPECT_EQ(read(Line), "Zeichne Quadrat | Zeichne Kreis");
  // A keyword cut by the piece boundary is found in neither piece.
  const std::string Cut = std::string(995, ' ') + "zeichne kreis\n";
  EXPECT_EQ(read(Cut), "");
  // 999 bytes plus its line end is two pieces; the second holds only the LF.
  EXPECT_EQ(read(std::string(986, ' ') + "zeichne blob\n" + "gib x den wert 1\n"),
            "Zeichne Blob | Gib x den Wert 1");
}

TEST(AlgReader, ZeroByteEndsTheLineForTheParsers) {
  const std::string Text = std::string("zeichne\0 kreis\nzeichne blob\n", 28);
  EXPECT_EQ(read(Text), "Zeichne Blob");
}

TEST(AlgReader, FileAndMemoryReadTheSamePieces) {
  ScratchDir Dir;
  std::string Text = std::string(984, '-') + "zeichne quadrat" + "zeichne kreis\r\n";
  Text += std::string("gib y\0den wert 4\n", 17);
  Text += "Wiederhole 3 mal:\n" + std::string(2000, 'a') + " wiederhole bis\n";
  Text += "Gib x den Wert 0x7fffffffff";
  writeFile("mixed.alg", Text);
  Reader FromFile("mixed.alg");
  EXPECT_TRUE(FromFile.opened());
  EXPECT_EQ(FromFile.path(), "mixed.alg");
  EXPECT_EQ(sentences(FromFile), read(Text));
  EXPECT_EQ(sentences(FromFile), "Zeichne Quadrat | Zeichne Kreis | Wiederhole 3 mal: | "
                                 "Wiederhole bis hier. | Gib x den Wert 2147483647");
}

TEST(AlgReader, UnreadableFileIsReportedAndLeavesTheAlgorithmEmpty) {
  ScratchDir Dir;
  testing::internal::CaptureStdout();
  Reader R("vorpAlgorithms/gone.alg");
  const std::string Output = testing::internal::GetCapturedStdout();
  EXPECT_EQ(Output, "\nDatei vorpAlgorithms/gone.alg konnte nicht geoeffnet werden!!! :-(\n");
  EXPECT_FALSE(R.opened());
  EXPECT_EQ(R.status(), -1);
  EXPECT_EQ(R.algorithm()->commandCount(), 0);
  // A folder whose name looks like a saved file opens but cannot be read.
  mkdir("folder.alg", 0777);
  testing::internal::CaptureStdout();
  Reader Folder("folder.alg");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nDatei folder.alg konnte nicht geoeffnet werden!!! :-(\n");
  EXPECT_FALSE(Folder.opened());
}

namespace {

// Reads \p Path and expects it refused as a file that cannot be opened: the
// console line, nothing read.
void expectRefused(const std::string &Path) {
  testing::internal::CaptureStdout();
  Reader R(Path);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "\nDatei " + Path + " konnte nicht geoeffnet werden!!! :-(\n");
  EXPECT_FALSE(R.opened()) << Path;
  EXPECT_EQ(R.algorithm()->commandCount(), 0) << Path;
}

// A file of exactly \p Size bytes: a circle first, a blob last, and lines
// of filler without keywords between them.
std::string fileOfSize(size_t Size) {
  const std::string First = "Zeichne Kreis\r\n", Last = "Zeichne Blob\r\n";
  std::string Text = First;
  const std::string Filler = std::string(60, '-') + "\r\n";
  while (Text.size() + Filler.size() + Last.size() <= Size)
    Text += Filler;
  Text += std::string(Size - Text.size() - Last.size(), '-');
  return Text + Last;
}

} // namespace

// Opening a pipe waits for a writer and a device may never end: neither may
// hold up the program.
TEST(AlgReader, RefusesPipesDevicesAndFoldersAtOnce) {
  ScratchDir Dir;
  Watchdog Guard;
  ASSERT_EQ(mkfifo("fifo.alg", 0600), 0);
  expectRefused("fifo.alg");
  ASSERT_EQ(symlink("/dev/zero", "zero.alg"), 0);
  expectRefused("zero.alg");
  ASSERT_EQ(mkdir("folder.alg", 0700), 0);
  expectRefused("folder.alg");
}

TEST(AlgReader, ReadsAFileAtTheSizeLimitAndRefusesOneByteMore) {
  ScratchDir Dir;
  writeFile("at.alg", fileOfSize(MaxAlgorithmFileBytes));
  Reader AtLimit("at.alg");
  EXPECT_TRUE(AtLimit.opened());
  EXPECT_EQ(sentences(AtLimit), "Zeichne Kreis | Zeichne Blob");
  writeFile("over.alg", fileOfSize(MaxAlgorithmFileBytes + 1));
  expectRefused("over.alg");
}

TEST(AlgReader, LoadingLeavesTheVariablesAtTheirStartValues) {
  Reader R;
  const std::string Text = "Gib x den Wert 5\nGib n den Wert 400\nAddiere 3 zu max\n";
  R.readBuffer(Text.data(), Text.size());
  EXPECT_EQ(R.algorithm()->commandCount(), 3);
  EXPECT_EQ(R.variable(Reader::X)->value(), 0);
  EXPECT_EQ(R.variable(Reader::N)->value(), 27);
  EXPECT_EQ(R.variable(Reader::Max)->value(), 10);
}

TEST(AlgReader, ReleaseHandsOverTheAlgorithmAndTheVariablesItUses) {
  std::unique_ptr<Algorithm> Taken;
  std::array<std::unique_ptr<Variable>, Reader::SlotCount> Vars;
  {
    Reader R;
    const std::string Text = "Gib y den Wert 5\nZufallswert fuer h zwischen max und min\n";
    R.readBuffer(Text.data(), Text.size());
    Taken = R.releaseAlgorithm();
    Vars = R.releaseVariables();
    EXPECT_EQ(R.algorithm(), nullptr);
    EXPECT_EQ(R.variable(Reader::Y), nullptr);
    R.parseLine("zeichne kreis"); // nothing to append to any more
  }
  ASSERT_EQ(Taken->commandCount(), 2);
  EXPECT_EQ(Taken->head()->target(), Vars[Reader::Y].get());
  EXPECT_EQ(Taken->tail()->target(), Vars[Reader::H].get());
  EXPECT_EQ(Taken->tail()->source(), Vars[Reader::Max].get());
  Taken->rewind();
  RandomGenerator Random;
  (void)Taken->step(Random);
  EXPECT_EQ(Vars[Reader::Y]->value(), 5);
}
