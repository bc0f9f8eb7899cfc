// The program's own options are taken out of the command line before GLUT
// sees it; GLUT's options and the order of everything else stay.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace {

// An argument vector as main receives it, ending in a null pointer.
struct Args {
  explicit Args(std::vector<std::string> Given) : Text(std::move(Given)) {
    for (std::string &Arg : Text)
      Pointers.push_back(Arg.data());
    Pointers.push_back(nullptr);
    Count = static_cast<int>(Text.size());
  }
  CommandLine parse() { return parseCommandLine(Count, Pointers.data()); }
  std::vector<std::string> left() const {
    std::vector<std::string> Left;
    for (int I = 0; I < Count; ++I)
      Left.push_back(Pointers[static_cast<size_t>(I)]);
    EXPECT_EQ(Pointers[static_cast<size_t>(Count)], nullptr);
    return Left;
  }

  std::vector<std::string> Text;
  std::vector<char *> Pointers;
  int Count;
};

} // namespace

TEST(CommandLine, WindowIsTakenOutAndGlutOptionsStay) {
  Args Plain({"quovadrin"});
  EXPECT_EQ(Plain.parse().Mode, StartMode::FullScreen);
  EXPECT_EQ(Plain.left(), std::vector<std::string>{"quovadrin"});

  Args Window({"quovadrin", "-display", ":3", "--window", "-sync"});
  EXPECT_EQ(Window.parse().Mode, StartMode::Window);
  const std::vector<std::string> ForGlut = {"quovadrin", "-display", ":3", "-sync"};
  EXPECT_EQ(Window.left(), ForGlut);
}

TEST(CommandLine, HelpWinsAndAnUnknownOptionIsNamed) {
  Args Help({"quovadrin", "--frobnicate", "--window", "-h"});
  EXPECT_EQ(Help.parse().Mode, StartMode::Help);
  EXPECT_EQ(Help.left(), std::vector<std::string>{"quovadrin"});

  Args Unknown({"quovadrin", "--window", "--fullscreen", "--verbose"});
  const CommandLine Read = Unknown.parse();
  EXPECT_EQ(Read.Mode, StartMode::UnknownOption);
  EXPECT_EQ(Read.Unknown, "--fullscreen");
  EXPECT_EQ(unknownOptionText(Read.Unknown),
            "Unbekannte Option --fullscreen. Hilfe: quovadrin --help\n");
}

TEST(CommandLine, RenderTakesEveryOtherWordAsAFileAndNeedsFilesAndAFolder) {
  Args Render(
      {"quovadrin", "a.alg", "--render", "b.alg", "--seed", "-12", "--out", "bilder", "c.alg"});
  const CommandLine Read = Render.parse();
  EXPECT_EQ(Read.Mode, StartMode::Render);
  EXPECT_EQ(Read.Render.Inputs, (std::vector<std::string>{"a.alg", "b.alg", "c.alg"}));
  EXPECT_EQ(Read.Render.OutputFolder, "bilder");
  EXPECT_EQ(Read.Render.Seed, -12);
  EXPECT_EQ(Args({"quovadrin", "--render", "a.alg", "--out", "x"}).parse().Render.Seed,
            std::nullopt);

  for (const std::vector<std::string> &Incomplete :
       {std::vector<std::string>{"quovadrin", "--render", "a.alg"},
        {"quovadrin", "--render", "--out", "x"},
        {"quovadrin", "--out", "x", "a.alg"},
        {"quovadrin", "--render", "a.alg", "--out"},
        {"quovadrin", "--render", "a.alg", "--out", "x", "--seed", "12abc"},
        {"quovadrin", "--render", "a.alg", "--out", "x", "--seed", "99999999999"},
        {"quovadrin", "--render", "a.alg", "--out", "x", "--out", "y"},
        {"quovadrin", "--render", "a.alg", "--seed", "1", "--out", "x", "--seed", "1"}})
    EXPECT_EQ(Args(Incomplete).parse().Mode, StartMode::RenderUsage) << Incomplete.back();
  EXPECT_EQ(Args({"quovadrin", "--render", "a.alg", "--out", "x", "--help"}).parse().Mode,
            StartMode::Help);
  EXPECT_EQ(Args({"quovadrin", "--render", "a.alg", "--out", "x", "--verbose"}).parse().Mode,
            StartMode::UnknownOption);
}

TEST(CommandLine, AfterTwoDashesEveryWordIsAFileOrFolder) {
  // A learner's files may be called -h or --window; after "--" they are
  // drawn, not taken for options.
  Args Render({"quovadrin", "--render", "--out", "bilder", "--", "-h", "--window", "--", "k"});
  const CommandLine Read = Render.parse();
  EXPECT_EQ(Read.Mode, StartMode::Render);
  EXPECT_EQ(Read.Render.Inputs, (std::vector<std::string>{"-h", "--window", "--", "k"}));
  EXPECT_EQ(Read.Render.OutputFolder, "bilder");
  EXPECT_EQ(Args({"quovadrin", "--render", "--out", "x", "--", "--out", "y"}).parse().Render.Inputs,
            (std::vector<std::string>{"--out", "y"}))
      << "an --out after the end of the options is a name, not a second folder";
  EXPECT_EQ(Args({"quovadrin", "--render", "--", "-h"}).parse().Mode, StartMode::RenderUsage);
}
