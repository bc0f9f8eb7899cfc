// The rules of pointer_gestures.h, one pointer event at a time.
#include "host/pointer_gestures.h"

#include <algorithm>
#include <cmath>

#include "host/host.h"

namespace {

/// A fingertip touches 8 to 10 mm of glass, and where the screen reports it
/// misses the aimed point by a few millimetres. 24 CSS pixels are 6 mm at
/// the nominal 96 per inch and about 4.5 mm on a tablet's denser CSS pixel:
/// wide enough to reach a Button beside the touch, narrow enough not to
/// reach past its neighbour, since the box only grows where the mouse's
/// finds nothing.
constexpr double FingerBoxCss = 24;
/// A finger that lands and lifts wobbles by a few CSS pixels; more than
/// this is a drag.
constexpr double TapSlopCss = 8;

int scaled(double Css, double Scale) {
  return std::max(1, static_cast<int>(std::lround(Css * Scale)));
}

/// An odd side, so that the box sits centred on its pixel.
int oddSide(double Css, double Scale) { return scaled(Css, Scale) | 1; }

struct ButtonBit {
  int Bit;
  MouseButton Button;
};
constexpr ButtonBit ButtonBits[] = {{PrimaryBit, MouseButton::Left},
                                    {SecondaryBit, MouseButton::Right},
                                    {MiddleBit, MouseButton::Middle}};

} // namespace

PointerGestures::PointerGestures(Host &Laboratory, GestureTimers &Clock, double Scale)
    : Lab(Laboratory), Timers(Clock) {
  setScale(Scale);
}

void PointerGestures::setScale(double Scale) {
  if (!(Scale > 0))
    Scale = 1;
  // The mouse's box keeps its size in CSS pixels, so at ratio 1 it is
  // exactly the desktop's.
  MouseBox = oddSide(MousePickBoxSide, Scale);
  FingerBox = oddSide(FingerBoxCss, Scale);
  Slop = scaled(TapSlopCss, Scale);
}

void PointerGestures::pointer(const RawPointer &Event) {
  if (Lab.ended())
    return;
  if (Event.Kind != PointerKind::Touch) {
    // A pen touching the canvas in an edit mode moves the pen like a finger.
    const bool PenEditing = Event.Kind == PointerKind::Pen && Finger == FingerState::None &&
                            Event.Action == PointerAction::Down && HeldButtons == 0 &&
                            Lab.wantsPassiveMotion() && Event.Buttons == PrimaryBit;
    if (PenEditing ||
        (Event.Kind == PointerKind::Pen && Finger == FingerState::Edit && Event.Id == LeadId)) {
      if (Event.Action == PointerAction::Down)
        fingerDown(Event);
      else if (Event.Action == PointerAction::Move)
        fingerMove(Event);
      else
        fingerUp(Event);
      return;
    }
    mouseLike(Event, MouseBox);
    return;
  }
  switch (Event.Action) {
  case PointerAction::Down:
    fingerDown(Event);
    break;
  case PointerAction::Move:
    fingerMove(Event);
    break;
  case PointerAction::Up:
  case PointerAction::Cancel:
    fingerUp(Event);
    break;
  }
}

// Presses come only from a press over the program (Down) or from a button
// added while one is held there; releases end only presses it began, as the
// desktop's window sees them.
void PointerGestures::mouseLike(const RawPointer &Event, int BoxSide) {
  // Any mouse or pen pointer's release ends the press: some engines give a
  // pen's release another pointer id than its press.
  const int Now = Event.Action == PointerAction::Up || Event.Action == PointerAction::Cancel
                      ? 0
                      : Event.Buttons;
  for (const ButtonBit &B : ButtonBits) {
    const bool Held = HeldButtons & B.Bit, Pressed = Now & B.Bit;
    if (Pressed && !Held && (Event.Action == PointerAction::Down || HeldButtons)) {
      HeldButtons |= B.Bit;
      Lab.pointerButton({B.Button, ButtonState::Down, Event.X, Event.Y, BoxSide});
    } else if (!Pressed && Held) {
      HeldButtons &= ~B.Bit;
      Lab.pointerButton({B.Button, ButtonState::Up, Event.X, Event.Y, BoxSide});
    }
  }
  if (Event.Action == PointerAction::Move)
    Lab.pointerMotion({Event.X, Event.Y, BoxSide}, HeldButtons != 0);
}

void PointerGestures::fingerDown(const RawPointer &Event) {
  ++FingersDown;
  const PixelPoint At{Event.X, Event.Y};
  if (Finger == FingerState::Pending && Event.Id != LeadId) {
    // A second finger within the window: the right button, where the
    // first one points.
    pressPending(MouseButton::Right);
    return;
  }
  if (Finger != FingerState::None)
    return;
  LeadId = Event.Id;
  Touched = Last = At;
  Moved = false;
  OwesLeftUp = false;
  if (Lab.wantsPassiveMotion()) {
    Finger = FingerState::Edit;
    Lab.pointerMotion({At.X, At.Y, MouseBox}, false);
    return;
  }
  Finger = FingerState::Pending;
  Timers.armGestureTimer(ChordWindowMs, ++TimerGeneration);
}

void PointerGestures::timer(unsigned Generation) {
  if (Generation != TimerGeneration || Finger != FingerState::Pending || Lab.ended())
    return;
  pressPending(MouseButton::Left);
}

// The pending finger becomes a press where it first touched.
void PointerGestures::pressPending(MouseButton Button) {
  ++TimerGeneration;
  Finger = Button == MouseButton::Left ? FingerState::Left : FingerState::Right;
  const bool Editing = Lab.wantsPassiveMotion();
  send(Button, ButtonState::Down, Touched);
  // A pen-menu Button pressed by a finger still down: the pen follows it
  // from here on, and its lift commits if it moved.
  if (Button == MouseButton::Left && !Editing && Lab.wantsPassiveMotion()) {
    Finger = FingerState::Edit;
    OwesLeftUp = true;
  }
}

void PointerGestures::fingerMove(const RawPointer &Event) {
  if (Event.Id != LeadId)
    return;
  const PixelPoint At{Event.X, Event.Y};
  Last = At;
  if (wandered(At))
    Moved = true;
  if (Finger == FingerState::Pending) {
    if (!Moved)
      return;
    pressPending(MouseButton::Left);
  }
  follow(At);
}

// The finger's place as the mouse's motion: with the button held while it
// presses, without while the pen follows it; any other finger moves nothing.
void PointerGestures::follow(PixelPoint At) {
  if (Finger == FingerState::Left)
    Lab.pointerMotion({At.X, At.Y, MouseBox, FingerBox}, true);
  else if (Finger == FingerState::Edit)
    Lab.pointerMotion({At.X, At.Y, MouseBox}, false);
}

void PointerGestures::fingerUp(const RawPointer &Event) {
  FingersDown = std::max(0, FingersDown - 1);
  const bool Lead = Event.Id == LeadId;
  const bool Cancelled = Event.Action == PointerAction::Cancel;
  const PixelPoint At = Lead ? PixelPoint{Event.X, Event.Y} : Last;
  switch (Finger) {
  case FingerState::Pending:
    if (!Lead)
      break;
    // A tap: pressed and released where it first touched, whatever the
    // wobble, since a tool-panel name acts at the release.
    ++TimerGeneration;
    Finger = FingerState::Spent;
    if (!Cancelled) {
      send(MouseButton::Left, ButtonState::Down, Touched);
      send(MouseButton::Left, ButtonState::Up, Touched);
    }
    break;
  case FingerState::Left:
    if (!Lead)
      break;
    Finger = FingerState::Spent;
    send(MouseButton::Left, ButtonState::Up, At);
    break;
  case FingerState::Right:
    Finger = FingerState::Spent;
    send(MouseButton::Right, ButtonState::Up, Touched);
    break;
  case FingerState::Edit:
    if (!Lead)
      break;
    Finger = FingerState::Spent;
    if (OwesLeftUp)
      send(MouseButton::Left, ButtonState::Up, Touched);
    // The finger that pressed the menu Button and lifted in place leaves
    // the mode on for the next touch; any other lift commits.
    if (!Cancelled && (!OwesLeftUp || Moved))
      commitEdit(At);
    break;
  case FingerState::None:
  case FingerState::Spent:
    break;
  }
  if (Event.Kind == PointerKind::Pen || FingersDown == 0) {
    Finger = FingerState::None;
    FingersDown = 0;
    LeadId = -1;
  }
}

void PointerGestures::send(MouseButton Button, ButtonState State, PixelPoint At) {
  Lab.pointerButton({Button, State, At.X, At.Y, MouseBox, FingerBox});
}

// The mouse commits with its next click; the finger's click is made on the
// canvas, wherever the finger lifted, so that it can never press a Button.
void PointerGestures::commitEdit(PixelPoint At) {
  if (!Lab.wantsPassiveMotion())
    return;
  Lab.pointerMotion({At.X, At.Y, MouseBox}, false);
  const PanelRect Canvas = Lab.layout().panel(Panel::Canvas);
  const PixelPoint Inside{std::clamp(At.X, Canvas.X, Canvas.X + Canvas.Width - 1), At.Y};
  Lab.pointerButton({MouseButton::Left, ButtonState::Down, Inside.X, Inside.Y, MouseBox});
  Lab.pointerButton({MouseButton::Left, ButtonState::Up, Inside.X, Inside.Y, MouseBox});
}

bool PointerGestures::wandered(PixelPoint At) const {
  const long Dx = At.X - Touched.X, Dy = At.Y - Touched.Y;
  return Dx * Dx + Dy * Dy > static_cast<long>(Slop) * Slop;
}
