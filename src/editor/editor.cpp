// The editor's events: the steps every mouse button event shares, the
// dispatch to the panel under the pointer, the timers, the motions and the
// keys, and the requests the controllers return.
#include "editor/editor.h"

#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "editor/picker.h"
#include "exec/session.h"

namespace {

constexpr unsigned char EscapeKey = 27;
constexpr unsigned char SpaceKey = 32;
constexpr unsigned char RedrawKey = 'p';

} // namespace

Editor::Editor(Session &Work, EditorState &State, EditorHost &Host, Picker &Picks)
    : Layout(State.Layout), Context{Work, Host, Picks, State.Mode, State.Popup, State.GridVisible},
      Runs(Context, State.Labels), Holds(Context, State.Hold, State.Listing),
      Listing(Context, State.Listing, State.Labels, State.Tools),
      Files(Context, State.Files, State.Labels, State.Listing),
      Canvas(Context, State.Canvas, State.Labels, State.Tools),
      Tools(Context, State.Tools, State.Labels, State.Listing),
      Handlers(Context, Tools, Runs, Files, Canvas, State.Labels) {}

void Editor::onPointer(const PointerEvent &Event) {
  // Any button event shows the grid and hides the message; the frame that
  // shows it must come even when the action itself draws nothing.
  if (!Context.GridVisible || Context.Popup.Visible)
    Context.Host.postRedisplay();
  Context.GridVisible = true;
  Context.Popup.Visible = false;
  if (Event.isDown() && Files.fileListVisible() && !keepsFileList(Event))
    Files.hideFileList();
  if (Context.Work.run().active())
    Runs.abortRun();
  const Panel Under = Layout.panelAt(Event.X);
  if (ignoredDuringLineDrag(Event, Under)) {
    if (!Event.isDown())
      Holds.endRepetition();
    Listing.settle();
    return;
  }
  switch (Under) {
  case Panel::Tool:
    act(Holds.onToolPanelMouse(Event));
    break;
  case Panel::Listing:
    onListingMouse(Event);
    break;
  case Panel::Canvas:
    onCanvasMouse(Event);
    break;
  }
  if (!Event.isDown())
    Holds.endHolds();
  Listing.settle();
}

void Editor::onListingMouse(const PointerEvent &Event) {
  Files.hideFileList();
  const ScrollRequest Scroll = Listing.onMouse(Event);
  if (Scroll != ScrollRequest::None)
    Holds.startScrolling(Scroll == ScrollRequest::Up);
}

void Editor::onCanvasMouse(const PointerEvent &Event) {
  const PickRequest Request = Canvas.onMouse(Event, Layout.toPanel(Panel::Canvas, Event.pixel()));
  if (!Request.wanted())
    return;
  act(Request);
  Canvas.afterMenuAction(Request);
}

void Editor::act(const PickRequest &Request) {
  if (!Request.wanted())
    return;
  const PickRow &Row = pickRow(Request.Pick);
  const PickHandler Handler = Request.Action == PickAction::Primary ? Row.Primary : Row.Secondary;
  if (Handler && Handler(Handlers, Request.Pick) == AfterPick::Done)
    return;
  Context.Host.postRedisplay();
}

// A press hides the file list unless it lands on one of its entries, which
// loads that file, or on the quit Button, which leaves the program anyway.
bool Editor::keepsFileList(const PointerEvent &Event) {
  const PickRole Role = pickRow(Context.Picks.pick(Panel::Tool, Event.where())).Role;
  return Role == PickRole::FileEntry || Role == PickRole::Quit;
}

// While a listing line is dragged, only the left button's release ends the
// drag. The right button's preview over the listing would make the previewed
// line current, and the next motion would then move that line instead of the
// held one; so the right and middle buttons over the listing and the canvas
// do nothing until the drag ends. A press in the tool panel still replaces
// the drag with its own hold.
bool Editor::ignoredDuringLineDrag(const PointerEvent &Event, Panel Under) const {
  return Context.Mode == InteractionMode::ListingLineHeld && !Event.isLeft() &&
         Under != Panel::Tool;
}

void Editor::onDrag(const PointerMotion &Motion) {
  Listing.onDrag(Motion.where(), Layout.toPanel(Panel::Listing, Motion.pixel()));
}

void Editor::onPassiveMotion(const PointerMotion &Motion) {
  Canvas.onPassiveMotion(Layout.toPanel(Panel::Canvas, Motion.pixel()));
}

void Editor::onTimer(unsigned Generation) {
  act(Holds.onTimer(Generation));
  Listing.settle();
}

void Editor::idleStep() { Runs.idleStep(); }

LoadResult Editor::openAlgorithmFile(const std::string &Path) {
  const LoadResult Result = Files.loadAlgorithmFile(Path);
  Listing.settle();
  return Result;
}

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
