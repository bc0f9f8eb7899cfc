// Test helper: an Editor on a Session with seed 1 and a 1024 x 768 screen,
// a recording host and a fake picker, with short-hands for the button
// events of each panel. A pixel of the tool panel, the canvas or the listing
// only decides the panel; what lies there is whatever the picker is told.
#ifndef QUOVADRIN_TESTS_EDITOR_FIXTURE_H
#define QUOVADRIN_TESTS_EDITOR_FIXTURE_H

#include <algorithm>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "fake_picker.h"
#include "files/file_operations.h"
#include "recording_host.h"

/// The buttons by their short names, as the tests click them.
constexpr auto Left = MouseButton::Left;
constexpr auto Right = MouseButton::Right;

struct EditorFixture {
  Session Work;
  EditorState State{Work.variables()};
  /// The saved files are written through here; tests plan failures on it.
  FileOperations Storage;
  RecordingHost Host{Work, Storage};
  FakePicker Picks;
  Editor Editing{Work, State, Host, Picks};

  // Pixels inside each panel at 1024 x 768.
  static constexpr int ToolX = 100;
  static constexpr int CanvasX = 500;
  static constexpr int ListingX = 900;

  explicit EditorFixture(int32_t Seed = 1) : Work(Seed) {}

  VariableSet &vars() { return Work.variables(); }
  int value(UserVariable Which) { return Work.variables().user(Which).value(); }
  Algorithm &algorithm() { return Work.algorithm(); }

  void mouse(MouseButton Button, ButtonState Change, int X, int Y = 300) {
    Editing.onPointer({Button, Change, X, Y});
  }
  /// A press and a release in the tool panel over whatever the picker is
  /// told lies there.
  void toolPress(const PickResult &Pick, MouseButton Button = MouseButton::Left) {
    Picks.ToolPanel = Pick;
    mouse(Button, ButtonState::Down, ToolX);
  }
  void toolRelease(const PickResult &Pick, MouseButton Button = MouseButton::Left) {
    Picks.ToolPanel = Pick;
    mouse(Button, ButtonState::Up, ToolX);
  }
  void toolPress(PickName Name, MouseButton Button = MouseButton::Left) {
    toolPress(PickResult::named(Panel::Tool, Name), Button);
  }
  void toolRelease(PickName Name, MouseButton Button = MouseButton::Left) {
    toolRelease(PickResult::named(Panel::Tool, Name), Button);
  }
  void toolClick(const PickResult &Pick, MouseButton Button = MouseButton::Left) {
    toolPress(Pick, Button);
    toolRelease(Pick, Button);
  }
  void toolClick(PickName Name, MouseButton Button = MouseButton::Left) {
    toolClick(PickResult::named(Panel::Tool, Name), Button);
  }
  void listingClick(const PickResult &Pick, MouseButton Button = MouseButton::Left) {
    Picks.Listing = Pick;
    mouse(Button, ButtonState::Down, ListingX);
    mouse(Button, ButtonState::Up, ListingX);
  }
  /// A click on the listing line of command \p Line.
  void listingClick(int Line, MouseButton Button = MouseButton::Left) {
    listingClick(PickResult::listingLine(Line), Button);
  }
  void canvasClick(const PickResult &Pick, MouseButton Button = MouseButton::Left) {
    Picks.Canvas = Pick;
    mouse(Button, ButtonState::Down, CanvasX);
    mouse(Button, ButtonState::Up, CanvasX);
  }
  void canvasClick(PickName Name, MouseButton Button = MouseButton::Left) {
    canvasClick(PickResult::named(Panel::Canvas, Name), Button);
  }
  /// A click on the save Button: whether the learner is told that the work
  /// was saved (with or without its vector copy).
  bool save() {
    toolClick(PickName::Save);
    const std::string Failed = " nicht gespeichert";
    const std::string &Told = State.Popup.text();
    return State.Popup.Visible && Told.size() > Failed.size() &&
           Told.compare(Told.size() - Failed.size(), Failed.size(), Failed) != 0;
  }
  /// A right click in the listing beside its lines: the whole algorithm
  /// drawn at once.
  void drawAtOnce() { listingClick(PickResult::nothing(Panel::Listing), MouseButton::Right); }
  /// The saved-file list opened and the entry of vorpAlgorithms/NAME
  /// clicked; false when the list does not show it.
  bool load(const std::string &Name) {
    toolClick(PickName::Load);
    const std::vector<std::string> &Shown = State.Files.List.Files.Shown;
    const auto Entry = std::find(Shown.begin(), Shown.end(), Name);
    if (Entry == Shown.end())
      return false;
    toolClick(PickResult::fileEntry(static_cast<int>(Entry - Shown.begin())));
    return true;
  }
  /// A message raised as the editor raises one.
  void showMessage(const std::string &Text) {
    State.Popup.replace(Text);
    State.Popup.Visible = true;
  }
  /// Fires the last timer the editor armed.
  void fireTimer() { Editing.onTimer(Host.Timers.back().Generation); }

  /// The sentences of the Algorithm, one per line.
  std::string sentences() const {
    std::string Text;
    for (const Command *C = Work.algorithm().head(); C; C = C->next())
      Text += C->text() + "\n";
    return Text;
  }
  std::string currentText() const { return Work.algorithm().currentText(); }
};

#endif
