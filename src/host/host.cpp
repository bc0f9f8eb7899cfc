// The host's events, frames and the learner's work.
#include "host/host.h"

#include "editor/listing_scroll.h"
#include "exec/example_algorithm.h"
#include "files/alg_format.h"
#include "screen/screen_frame.h"

Host::Host(int32_t Seed, Platform &GivenSurface, ScreenSize Size, FileOperations GivenStorage)
    : Surface(GivenSurface), Work(Seed), State(Work.variables()), Storage(std::move(GivenStorage)),
      Saves(Storage), Picks(Work, State), Editing(Work, State, Asked, Picks) {
  State.Layout = WindowLayout(Size);
  // The example block is appended once: a learner sees one loop, not two.
  appendExampleBlock(Work.algorithm(), Work.variables());
  // The example is no work of the learner's to lose.
  Work.markWorkKept();
  keepCurrentVisible(State.Listing, Work.algorithm());
}

void Host::beginEvent() {
  Saves.forgetWritten();
  keepCurrentVisible(State.Listing, Work.algorithm());
}

void Host::pointerButton(const PointerEvent &Event) {
  if (Ended)
    return;
  beginEvent();
  Editing.onPointer(Event);
}

bool Host::pointerMotion(const PointerMotion &Motion, bool ButtonHeld) {
  if (Ended || !(ButtonHeld ? MotionWanted : PassiveMotionWanted))
    return false;
  beginEvent();
  if (ButtonHeld)
    Editing.onDrag(Motion);
  else
    Editing.onPassiveMotion(Motion);
  return true;
}

void Host::key(unsigned char Key) {
  if (Ended)
    return;
  beginEvent();
  Editing.onKeyboard(Key);
}

void Host::timer(unsigned Generation) {
  if (Ended)
    return;
  beginEvent();
  Editing.onTimer(Generation);
}

void Host::idle() {
  if (Ended)
    return;
  beginEvent();
  Editing.idleStep();
}

void Host::resize(ScreenSize Size) {
  if (Size.Width <= 0 || Size.Height <= 0)
    return;
  State.Layout = WindowLayout(Size);
  Surface.requestFrame();
}

const DrawList &Host::frame() {
  keepCurrentVisible(State.Listing, Work.algorithm());
  ShownGrid = State.GridVisible;
  buildFrame(Frame, Work, State);
  return Frame;
}

LoadResult Host::openAlgorithmFile(const std::string &Path) {
  beginEvent();
  return Editing.openAlgorithmFile(Path);
}

std::string Host::algorithmText() {
  Algorithm &A = Work.algorithm();
  const int32_t Current = A.currentNumber();
  std::string Text = ::algorithmText(A);
  // The writer leaves the first command current; the learner's line stays.
  if (Current > 0)
    A.select(Current);
  return Text;
}
