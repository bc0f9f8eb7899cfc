// The editor's events: the steps every mouse button event shares, the
// dispatch to the panel under the pointer, the timers, the motions and the
// keys.
#include "editor/editor.h"

#include "editor/editor_state.h"
#include "editor/pick_name.h"
#include "editor/picker.h"
#include "editor/window.h"
#include "exec/session.h"

namespace {

constexpr unsigned char EscapeKey = 27;
constexpr unsigned char SpaceKey = 32;
constexpr unsigned char RedrawKey = 'p';

} // namespace

Editor::Editor(Session &Work, EditorState &State, Window &Host, Picker &Picks,
               const FileOperations &Storage)
    : Context{Work,       Host,          Picks,       State.Screen,
              State.Mode, State.Pointer, State.Popup, State.GridVisible},
      Labels(Context, State.Labels, State.Tools), Runs(Context, Labels),
      Holds(Context, State.Hold, State.Listing, *this),
      Listing(Context, State.Listing, Labels, Holds),
      Files(Context, State.Files, Labels, Listing, Storage),
      Canvas(Context, State.Canvas, Labels, State.Tools, *this),
      Tools(Context, State.Tools, Labels, Listing) {}

void Editor::onMouse(const MouseEvent &Event) {
  // Any button event shows the grid and hides the message; the frame that
  // shows it must come even when the action itself draws nothing.
  if (!Context.GridVisible || Context.Popup.Visible)
    Context.Host.postRedisplay();
  Context.GridVisible = true;
  Context.Popup.Visible = false;
  if (Event.isDown() && Files.fileListVisible() && !keepsFileList(Event))
    Files.hideFileList();
  Context.updatePointer(Event.X, Event.Y);
  if (Context.Work.run().active())
    Runs.abortRun();
  const Panel Under = panelAt(Context.Screen, Event.X);
  if (ignoredDuringLineDrag(Event, Under)) {
    if (!Event.isDown())
      Holds.endRepetition();
    Listing.settle();
    return;
  }
  switch (Under) {
  case Panel::Tool:
    Holds.onToolPanelMouse(Event);
    break;
  case Panel::Listing:
    Files.hideFileList();
    Listing.onMouse(Event);
    break;
  case Panel::Canvas:
    Canvas.onMouse(Event);
    break;
  }
  if (!Event.isDown())
    Holds.endHolds();
  Listing.settle();
}

// While a listing line is dragged, only the left button's release ends the
// drag. The right button's preview over the listing would make the previewed
// line current, and the next motion would then move that line instead of the
// held one; so the right and middle buttons over the listing and the canvas
// do nothing until the drag ends. A press in the tool panel still replaces
// the drag with its own hold.
// A press hides the file list unless it lands on one of its entries, which
// loads that file, or on the quit Button, which leaves the program anyway.
bool Editor::keepsFileList(const MouseEvent &Event) const {
  const PickResult Under = Context.Picks.pickToolPanel(Event.X, Event.Y);
  return Under.kind() == PickKind::FileEntry || Under.is(PickName::Quit);
}

bool Editor::ignoredDuringLineDrag(const MouseEvent &Event, Panel Under) const {
  return Context.Mode == InteractionMode::ListingLineHeld && !Event.isLeft() &&
         Under != Panel::Tool;
}

void Editor::onListingDrag(int X, int Y) { Listing.onDrag(X, Y); }

void Editor::onPassiveMotion(int X, int Y) { Canvas.onPassiveMotion(X, Y); }

void Editor::onTimer(unsigned Generation) {
  Holds.onTimer(Generation);
  Listing.settle();
}

void Editor::idleStep() { Runs.idleStep(); }

// Every key makes the same message current; only the space bar shows it at
// once, and a message already on screen changes its text with the next frame.
void Editor::onKeyboard(unsigned char Key) {
  Context.Popup.replace("Teste Dich doch selber!");
  if (Key == EscapeKey) {
    Context.Host.exit(0);
    return;
  }
  if (Key == SpaceKey) {
    Context.Popup.Visible = true;
    Context.Host.drawNow();
    return;
  }
  if (Key == RedrawKey)
    Context.Host.drawNow();
}
