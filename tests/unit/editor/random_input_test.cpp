// A class of learners at the keyboard and the mouse: seeded random presses,
// releases, drags, pointer motion, timers, idle steps and keys over every
// panel and state, with saves and loads and files deleted or damaged behind
// the editor's back. After every event the program's state must still hold
// together. QUOVADRIN_RANDOM_EVENTS and QUOVADRIN_RANDOM_SEED change the
// length and the seed; a failure names both, so it can be replayed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <sstream>
#include <sys/stat.h>

#include "editor_fixture.h"
#include "scratch_dir.h"

namespace {

int fromEnvironment(const char *Name, int Default) {
  const char *Text = std::getenv(Name);
  return Text && *Text ? std::atoi(Text) : Default;
}

// Every name the tool panel's GL picker can return.
const PickName ToolPanelNames[] = {
    PickName::Title,        PickName::Square,       PickName::Circle,   PickName::Blob,
    PickName::RasterLine,   PickName::FreeLine,     PickName::SoftLine, PickName::RasterPolyline,
    PickName::FreePolyline, PickName::SoftPolyline, PickName::Dice,     PickName::Repeat,
    PickName::Undo,         PickName::Restart,      PickName::Go,       PickName::Abs,
    PickName::Rel,          PickName::Mul,          PickName::Div,      PickName::FieldX,
    PickName::FieldY,       PickName::FieldDx,      PickName::FieldDy,  PickName::FieldH,
    PickName::FieldV,       PickName::FieldD,       PickName::FieldN,   PickName::Count,
    PickName::RandomTarget, PickName::FieldMax,     PickName::FieldMin, PickName::Upper,
    PickName::Lower,        PickName::Save,         PickName::Load,     PickName::Print,
    PickName::Quit,         PickName::Nothing};

class RandomLearner {
public:
  RandomLearner(uint32_t Seed, EditorFixture &Fixture) : Random(Seed), F(Fixture) {}

  /// One random event; returns what it was, for the failure report.
  std::string step() {
    // What the window delivers depends on what the editor installed.
    if (F.Host.IdleStepping && chance(40))
      return idle();
    const bool Dragging = F.Host.Motion && (Held[0] || Held[1] || Held[2]);
    if ((F.Host.PassiveMotion || Dragging) && chance(40))
      return motion();
    const int Kind = below(100);
    if (Kind < 70)
      return buttonEvent();
    if (Kind < 88)
      return timer();
    if (Kind < 98)
      return key();
    return tamperWithFiles();
  }

  /// Whether the last event released a button.
  bool LastWasRelease = false;

private:
  int below(int Bound) { return std::uniform_int_distribution<int>(0, Bound - 1)(Random); }
  bool chance(int Percent) { return below(100) < Percent; }

  // What the GL pickers could report under the pointer right now.
  PickResult toolPanelPick() {
    const auto &Shown = F.State.Files.List.Files.Shown;
    if (F.State.Files.ListVisible && !Shown.empty() && chance(30))
      return PickResult::fileEntry(below(static_cast<int>(Shown.size())));
    // Half the clicks build: shapes, random values, blocks and arithmetic.
    const PickName Builders[] = {PickName::Square, PickName::Circle, PickName::SoftPolyline,
                                 PickName::Dice,   PickName::Repeat, PickName::Rel,
                                 PickName::Abs,    PickName::FieldX, PickName::Count};
    PickName Name = chance(50) ? Builders[below(std::size(Builders))]
                               : ToolPanelNames[below(std::size(ToolPanelNames))];
    // Emptying the algorithm or quitting ends what the others build; they
    // are tried less often.
    const bool Ending = Name == PickName::Quit || Name == PickName::Restart;
    if (Ending && !chance(Name == PickName::Quit ? 5 : 20))
      Name = PickName::Square;
    return Name == PickName::Nothing ? PickResult::nothing(Panel::Tool)
                                     : PickResult::named(Panel::Tool, Name);
  }
  PickResult canvasPick() {
    if (F.State.Mode == InteractionMode::PenMenuOpen && chance(80))
      return PickResult::named(Panel::Canvas,
                               PenMenuOrder[static_cast<size_t>(below(PenMenuSize))]);
    return chance(60) ? PickResult::named(Panel::Canvas, PickName::PenMarker)
                      : PickResult::nothing(Panel::Canvas);
  }
  PickResult listingPick() {
    const int Count = F.algorithm().commandCount();
    if (Count == 0)
      return PickResult::nothing(Panel::Listing);
    const int Choice = below(10);
    if (Choice == 0)
      return PickResult::named(Panel::Listing, PickName::UpStrip);
    if (Choice == 1)
      return PickResult::named(Panel::Listing, PickName::DownStrip);
    if (Choice == 2)
      return PickResult::nothing(Panel::Listing);
    const int Last = std::min(Count, F.State.Listing.Top + 59);
    return PickResult::listingLine(F.State.Listing.Top + below(Last - F.State.Listing.Top + 1));
  }
  int pixelIn(Panel Which) {
    switch (Which) {
    case Panel::Tool:
      return below(256);
    case Panel::Canvas:
      return 256 + below(513);
    case Panel::Listing:
      return 769 + below(255);
    }
    return 0;
  }

  std::string buttonEvent() {
    const Panel Where = static_cast<Panel>(below(3));
    const MouseButton Button = chance(45)   ? MouseButton::Left
                               : chance(85) ? MouseButton::Right
                                            : MouseButton::Middle;
    const int B = static_cast<int>(Button);
    const bool Down = !Held[B];
    Held[B] = Down;
    // Most releases come where the press was, as in a click; the others
    // wherever the pointer went.
    if (Down || chance(30)) {
      F.Picks.ToolPanel = toolPanelPick();
      F.Picks.Canvas = canvasPick();
      F.Picks.Listing = listingPick();
    }
    const int X = pixelIn(Where), Y = below(768);
    F.Editing.onPointer({Button, Down ? ButtonState::Down : ButtonState::Up, X, Y});
    LastWasRelease = !Down;
    std::ostringstream Out;
    Out << (Down ? "press " : "release ") << B << " at " << X << "," << Y << " (tool "
        << F.Picks.ToolPanel.describe() << ", canvas " << F.Picks.Canvas.describe() << ", listing "
        << F.Picks.Listing.describe() << ")";
    return Out.str();
  }

  // GLUT calls these only while they are installed, and motion only with a
  // button held.
  std::string motion() {
    LastWasRelease = false;
    // Mostly within the listing; now and then out to the left.
    const int X = chance(85) ? 769 + below(255) : below(1100) - 40;
    const int Y = below(820) - 20;
    F.Picks.Listing = listingPick();
    if (F.Host.Motion && (Held[0] || Held[1] || Held[2])) {
      F.Editing.onDrag({X, Y});
      return "drag to " + std::to_string(X) + "," + std::to_string(Y);
    }
    if (F.Host.PassiveMotion) {
      F.Editing.onPassiveMotion({X, Y});
      return "move to " + std::to_string(X) + "," + std::to_string(Y);
    }
    return "no motion";
  }

  // A timer of any press so far fires; GLUT cannot cancel them.
  std::string timer() {
    LastWasRelease = false;
    if (F.Host.Timers.empty())
      return "no timer";
    const unsigned Generation =
        F.Host.Timers[static_cast<size_t>(below(static_cast<int>(F.Host.Timers.size())))]
            .Generation;
    F.Editing.onTimer(Generation);
    return "timer " + std::to_string(Generation);
  }

  std::string idle() {
    LastWasRelease = false;
    if (!F.Host.IdleStepping)
      return "no idle step";
    for (int I = below(20); I >= 0 && F.Host.IdleStepping; --I)
      F.Editing.idleStep();
    return "idle steps";
  }

  std::string key() {
    LastWasRelease = false;
    unsigned char Key = static_cast<unsigned char>(below(256));
    if (Key == 27)
      Key = 'p';
    F.Editing.onKeyboard(Key);
    return "key " + std::to_string(Key);
  }

  // The listed files change behind the editor: deleted, damaged, or made
  // into a folder.
  std::string tamperWithFiles() {
    LastWasRelease = false;
    const auto &Shown = F.State.Files.List.Files.Shown;
    if (Shown.empty())
      return "no file to tamper with";
    const std::string Path =
        "vorpAlgorithms/" + Shown[static_cast<size_t>(below(static_cast<int>(Shown.size())))];
    const int How = below(3);
    std::remove(Path.c_str());
    if (How == 1) {
      std::string Junk;
      for (int I = below(2000); I > 0; --I)
        Junk.push_back(static_cast<char>(below(256)));
      writeFile(Path, Junk + "\nWiederhole 3 mal:\nzeichne kreis\nWiederhole bis hier.\n");
    } else if (How == 2) {
      mkdir(Path.c_str(), 0777);
    }
    return "file " + Path + " changed (" + std::to_string(How) + ")";
  }

  std::mt19937 Random;
  EditorFixture &F;
  bool Held[3] = {false, false, false};
};

// The program's state holds together; the text says what does not.
std::string brokenInvariant(EditorFixture &F) {
  const Algorithm &A = F.algorithm();
  const VariableSet &V = F.vars();
  std::set<int32_t> Numbers;
  int Count = 0;
  const Command *Previous = nullptr;
  bool CurrentSeen = false;
  for (const Command *C = A.head(); C; Previous = C, C = C->next()) {
    ++Count;
    if (C->prev() != Previous)
      return "broken back link at " + C->text();
    if (!Numbers.insert(C->number()).second || A.lookup(C->number()) != C)
      return "number " + std::to_string(C->number()) + " not unique or not found";
    CurrentSeen = CurrentSeen || C == A.current();
    if (C->kind() == CommandKind::RepeatEnd) {
      const Command *Start = A.lookup(C->jumpTarget());
      if (!Start || Start->kind() != CommandKind::RepeatStart || !Numbers.count(Start->number()))
        return "a repeat end without its start before it";
      if (Start->target() != C->target())
        return "a repeat end with another counter than its start";
    }
    if ((C->kind() == CommandKind::Arithmetic || C->kind() == CommandKind::RandomValue) &&
        !V.isUser(C->target()))
      return "a command on a Variable that is no longer the program's: " + C->text();
  }
  if (A.tail() != Previous || Count != A.commandCount())
    return "tail or count out of step";
  if ((A.current() == nullptr) != (Count == 0) || (Count > 0 && !CurrentSeen))
    return "the current command is missing or not in the list";
  if (F.State.Listing.Top < 1 || F.State.Listing.Top > std::max(1, Count))
    return "listingTop " + std::to_string(F.State.Listing.Top) + " outside 1.." +
           std::to_string(Count);
  if (!isToolShape(F.State.Tools.SelectedTool))
    return "selected tool " + std::to_string(static_cast<int>(F.State.Tools.SelectedTool));
  if (F.State.Tools.SelectedFieldRow < 1 || F.State.Tools.SelectedFieldRow > FieldRowCount)
    return "selected row " + std::to_string(F.State.Tools.SelectedFieldRow);
  const std::set<PickName> Controls = {PickName::Dice,         PickName::Repeat, PickName::Count,
                                       PickName::RandomTarget, PickName::Upper,  PickName::Lower};
  if (!Controls.count(F.State.Tools.SelectedControl))
    return "selected control " + std::to_string(pickValue(F.State.Tools.SelectedControl));
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    if (F.State.Labels.row(Row).target() != &V.user(FieldLabels::rowVariable(Row)))
      return "row " + std::to_string(Row) + " shows a Variable that is not the program's";
  if (!V.isUser(F.State.Labels.upper().operand()) || !V.isUser(F.State.Labels.lower().operand()) ||
      !V.isUser(F.State.Labels.randomTarget().operand()))
    return "a random bound or target that is not the program's";
  int Shapes = 0;
  for (const Shape *S = F.Work.drawing().head(); S; S = S->next) {
    ++Shapes;
    if (S->pointCount < 0 || static_cast<size_t>(S->pointCount) > S->points.size())
      return "a shape with more points than it holds";
    if (S->kind == ShapeKind::SoftPolyline &&
        static_cast<size_t>(S->pointCount) > S->midpoints.size())
      return "a soft polyline with more points than midpoints";
  }
  if (Shapes != F.Work.drawing().count())
    return "the drawing's count is out of step";
  return "";
}

// After a release, no repetition or scroll goes on: nothing is held, and no
// timer armed so far still carries the live generation.
std::string brokenRelease(EditorFixture &F) {
  if (F.State.Hold.HeldName != PickName::Nothing || F.State.Hold.Scroll != ListingScroll::None)
    return "a repetition or scroll outlives its release";
  for (const auto &T : F.Host.Timers)
    if (T.Generation == F.State.Hold.TimerGeneration)
      return "a timer of the released hold is still live";
  return "";
}

} // namespace

TEST(RandomInput, TheStateHoldsTogetherWhateverTheLearnersDo) {
  const int Events = fromEnvironment("QUOVADRIN_RANDOM_EVENTS", 10000);
  const auto Seed = static_cast<uint32_t>(fromEnvironment("QUOVADRIN_RANDOM_SEED", 20261207));
  ScratchDir Dir;
  EditorFixture F(1007654321);
  // Every learner starts from the example, with loops to run and lines to move.
  F.algorithm().appendRepeatStart(3);
  F.algorithm().appendRandom(&F.vars().x(), &F.vars().max(), &F.vars().min());
  F.algorithm().appendDraw(12);
  F.algorithm().appendRepeatEnd();
  RandomLearner Learner(Seed, F);
  for (int Event = 1; Event <= Events; ++Event) {
    const std::string What = Learner.step();
    std::string Broken = brokenInvariant(F);
    if (Broken.empty() && Learner.LastWasRelease)
      Broken = brokenRelease(F);
    ASSERT_EQ(Broken, "") << "seed " << Seed << ", event " << Event << ": " << What;
    // The window's timers list would grow without end; keep the newest.
    if (F.Host.Timers.size() > 64)
      F.Host.Timers.erase(F.Host.Timers.begin(), F.Host.Timers.begin() + 32);
  }
  RecordProperty("events", Events);
}
