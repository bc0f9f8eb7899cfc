// Picking from the regions a frame records against picking by GL selection,
// point by point: for every point of a 2-pixel grid over the whole screen,
// at the largest screen mode and in a smaller window, in the states where
// picking has most to decide (the start screen, a full saved-file list over
// the Buttons, the pen menu pushed in from each corner of the canvas, a
// turned and stretched pen marker, a listing scrolled into a long algorithm,
// and the degenerate shapes), all three panels must report the same hit
// records, so the same winner, the same overflow and the same edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "editor/editor_state.h"
#include "exec/example_algorithm.h"
#include "exec/session.h"
#include "files/saved_files.h"
#include "screen/frame_pick.h"
#include "screen/screen_frame.h"
#include "selection_picker.h"

namespace {

/// One state of the screen to compare in, made from a fresh start.
struct PickingState {
  std::string Name;
  std::function<void(Session &, EditorState &)> Prepare;
};

/// Both pickers' records at one point; equal when the count (or overflow)
/// and every recorded name agree.
bool sameHits(const PickHits &FromRegions, const SelectionHits &Selection) {
  if (FromRegions.hitCount() != Selection.Count)
    return false;
  for (int Record = 0; Record < Selection.Count; ++Record)
    if (FromRegions.name(Record) != Selection.Names[static_cast<size_t>(Record)])
      return false;
  return true;
}

std::string describe(const SelectionHits &Hits) {
  std::string Text = std::to_string(Hits.Count) + " [";
  for (int Name : Hits.Names)
    Text += " " + std::to_string(Name);
  return Text + " ]";
}

std::string describe(const PickHits &Hits) {
  std::string Text = std::to_string(Hits.hitCount()) + " [";
  for (int Record = 0; Record < Hits.hitCount(); ++Record)
    Text += " " + std::to_string(Hits.name(Record));
  return Text + " ]";
}

bool sameArea(const SelectionArea &A, const SelectionArea &B) {
  return A.Name == B.Name && A.Kind == B.Kind && A.X0 == B.X0 && A.Y0 == B.Y0 && A.X1 == B.X1 &&
         A.Y1 == B.Y1 && A.Placement.CentreX == B.Placement.CentreX &&
         A.Placement.CentreY == B.Placement.CentreY &&
         A.Placement.Rotation == B.Placement.Rotation && A.Placement.ScaleX == B.Placement.ScaleX &&
         A.Placement.ScaleY == B.Placement.ScaleY;
}

/// A panel's pickable things, as offered in one state.
using Offer = std::vector<SelectionArea>;

bool sameOffer(const Offer &A, const Offer &B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(), sameArea);
}

struct Tally {
  long Points = 0, Differences = 0, Hits = 0, Overflows = 0, Passes = 0;
  /// Points left out because the panel offered what an earlier state did.
  long Repeated = 0;
  /// What each panel offered in the states compared so far.
  std::vector<Offer> Seen[3];
};

/// Compares the three panels at every other pixel of the screen; names the
/// first few points that differ.
void compareEverywhere(const Session &S, const EditorState &E, const std::string &Where,
                       Tally &Total) {
  SelectionPicker Selection(S, E);
  struct PanelPickers {
    const char *Name;
    Panel Which;
    std::vector<SelectionArea> Areas;
  };
  const PanelPickers Pickers[] = {{"tool panel", Panel::Tool, Selection.toolPanelAreas()},
                                  {"canvas", Panel::Canvas, Selection.canvasAreas()},
                                  {"listing", Panel::Listing, Selection.listingAreas()}};
  DrawList Drawn;
  for (const PanelPickers &Picker : Pickers) {
    // Where a panel offers the same things as in an earlier state, both
    // pickers answer as they did there.
    std::vector<Offer> &Seen = Total.Seen[static_cast<int>(Picker.Which)];
    if (std::any_of(Seen.begin(), Seen.end(),
                    [&](const Offer &Earlier) { return sameOffer(Earlier, Picker.Areas); })) {
      Total.Repeated +=
          static_cast<long>((E.Layout.size().Width + 1) / 2) * ((E.Layout.size().Height + 1) / 2);
      continue;
    }
    Seen.push_back(Picker.Areas);
    // The panel as a pick describes it, with the regions its frame records.
    buildPanel(Drawn, Picker.Which, S, E);
    const ScreenSize Screen = E.Layout.size();
    for (int Y = 0; Y < Screen.Height; Y += 2) {
      for (int X = 0; X < Screen.Width; X += 2) {
        const PickHits Expected = regionHits(Drawn, Picker.Which, E.Layout, {{X, Y}});
        const SelectionHits Actual = Selection.select(Picker.Which, X, Y, Picker.Areas);
        ++Total.Points;
        Total.Hits += Actual.Count > 0 ? 1 : 0;
        Total.Overflows += Actual.Count < 0 ? 1 : 0;
        if (sameHits(Expected, Actual))
          continue;
        if (++Total.Differences <= 10)
          ADD_FAILURE() << Where << ", " << Picker.Name << " at (" << X << ", " << Y
                        << "): by regions " << describe(Expected) << ", by selection "
                        << describe(Actual);
      }
    }
  }
  Total.Passes += Selection.passes();
}

/// The pen in a corner cell of the canvas and the menu opened around it.
PickingState penMenuAt(const char *Corner, int Column, int Row) {
  return {std::string("pen menu at the ") + Corner, [=](Session &S, EditorState &E) {
            S.variables().x().setValue(Column);
            S.variables().y().setValue(Row);
            E.Canvas.PenMenu.Corners = penMenuCorners(penCentre(S.variables()));
            E.Mode = InteractionMode::PenMenuOpen;
          }};
}

std::vector<std::string> savedNames(int Count) {
  std::vector<std::string> Names;
  for (int I = 0; I < Count; ++I)
    Names.push_back("seed_" + std::to_string(1000 + I) + "-a.alg");
  return Names;
}

const std::vector<PickingState> &states() {
  static const std::vector<PickingState> All = {
      {"start screen", [](Session &, EditorState &) {}},
      {"60 saved files",
       [](Session &, EditorState &E) {
         E.Files.List.Files = newestThatFit(savedNames(60), MaxFileListRows);
         E.Files.ListVisible = true;
       }},
      {"70 saved files, the oldest left out",
       [](Session &, EditorState &E) {
         E.Files.List.Files = newestThatFit(savedNames(70), MaxFileListRows);
         E.Files.ListVisible = true;
       }},
      penMenuAt("top left", 0, 0),
      penMenuAt("top right", 24, 0),
      penMenuAt("bottom left", 0, 37),
      penMenuAt("bottom right", 24, 37),
      {"turned and stretched pen marker",
       [](Session &S, EditorState &) {
         VariableSet &Vars = S.variables();
         Vars.x().setValue(12);
         Vars.y().setValue(18);
         Vars.d().setValue(30);
         Vars.dx().setValue(3);
         Vars.dy().setValue(-2);
         Vars.h().setValue(7);
       }},
      {"listing in the middle of 200 commands",
       [](Session &S, EditorState &E) {
         Algorithm &A = S.algorithm();
         while (A.commandCount() < 200)
           A.appendDraw(pickValue(PickName::Circle));
         E.Listing.Top = 71;
       }},
      {"six pen-menu Buttons on one place",
       [](Session &, EditorState &E) {
         // More hits than the selection buffer holds: no hit at all.
         for (size_t I = 0; I < PenMenuSize; ++I)
           E.Canvas.PenMenu.Corners[I] =
               I < 6 ? IntPoint{100, 100} : IntPoint{300, 200 + 50 * static_cast<int>(I)};
         E.Mode = InteractionMode::PenMenuOpen;
       }},
      {"a pen marker far larger than the canvas",
       [](Session &S, EditorState &) {
         VariableSet &Vars = S.variables();
         Vars.x().setValue(-7);
         Vars.dx().setValue(2000000000);
         Vars.dy().setValue(3);
         Vars.d().setValue(-1);
       }},
      {"degenerate shapes",
       [](Session &S, EditorState &E) {
         // The r Label showing the count, whose name is empty, has a pick
         // area of no width; a pen marker of no width is a line.
         VariableSet &Vars = S.variables();
         E.Labels.randomTarget().setOperand(&Vars.count());
         E.Labels.randomTarget().showOperand();
         Vars.x().setValue(5);
         Vars.y().setValue(9);
         Vars.dx().setValue(0);
         Vars.dy().setValue(4);
         Vars.d().setValue(45);
       }},
  };
  return All;
}

/// Every state at \p Screen; prints the figures.
void compareAt(ScreenSize Screen) {
  Tally Total;
  const auto Start = std::chrono::steady_clock::now();
  for (const PickingState &State : states()) {
    Session S(1);
    EditorState E(S.variables());
    E.Layout = WindowLayout(Screen);
    appendExampleBlock(S.algorithm(), S.variables());
    State.Prepare(S, E);
    compareEverywhere(S, E, State.Name, Total);
  }
  const std::chrono::duration<double> Seconds = std::chrono::steady_clock::now() - Start;
  std::printf("picking at %dx%d: %ld points compared in %zu states (%ld more where a panel "
              "offered what it had before), %ld selection passes, %ld points with hits, %ld "
              "overflowing, %ld differences, %.1f s\n",
              Screen.Width, Screen.Height, Total.Points, states().size(), Total.Repeated,
              Total.Passes, Total.Hits, Total.Overflows, Total.Differences, Seconds.count());
  EXPECT_EQ(Total.Differences, 0);
  EXPECT_GT(Total.Hits, 0);
}

} // namespace

TEST(PickingDifferential, RegionsAnswerAsSelectionDidAtTheLargestScreenMode) {
  compareAt({1280, 1024});
}

TEST(PickingDifferential, RegionsAnswerAsSelectionDidInASmallerWindow) { compareAt({1000, 700}); }
