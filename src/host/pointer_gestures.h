// What mice, fingers and pens do, turned into the host's button presses and
// motions, so that every platform with pointers of several kinds (the web
// page's Pointer Events; a later touch platform) shares one set of rules and
// the rules are tested without a browser.
//
// The mouse keeps its rules exactly: each button pressed over the program
// is pressed, each released is released, motion is motion. A pen is a mouse
// whose barrel button is the right button, except in the canvas's edit
// modes (below), since many pens cannot hover.
//
// A finger cannot hover and has one "button", so:
//   tap                     the left click, at the place first touched;
//   finger held still       the left button held (values and scroll strips
//                           repeat) once ChordWindow has passed;
//   finger moved            the left button pressed where it touched, then
//                           dragged (a listing line up, down and out);
//   two fingers together    the right button, at the first finger: a tap
//                           steps a value down or previews, held it repeats;
//   in an edit mode         the pen follows the finger while it is down,
//                           and the lift commits, as the mouse's next click.
// Why two fingers and not a long press for the right button: a held finger
// must repeat at once like the held left button, and a long press would
// first have to wait to tell the two apart. Fingers pick with a box that
// grows to a finger's size where the mouse's box finds nothing.
#ifndef QUOVADRIN_HOST_POINTER_GESTURES_H
#define QUOVADRIN_HOST_POINTER_GESTURES_H

#include "editor/pointer_event.h"

class Host;

enum class PointerKind { Mouse, Touch, Pen };
enum class PointerAction { Down, Move, Up, Cancel };

/// Pointer Events' button bits, as the browser reports them in `buttons`.
enum PointerButtonBits : int { PrimaryBit = 1, SecondaryBit = 2, MiddleBit = 4 };

/// One pointer event as the platform saw it, in window pixels.
struct RawPointer {
  int Id = 0;
  PointerKind Kind = PointerKind::Mouse;
  PointerAction Action = PointerAction::Move;
  /// The buttons held after the event (PointerButtonBits).
  int Buttons = 0;
  int X = 0;
  int Y = 0;
};

/// What the recognizer needs from the platform: a timer of its own, beside
/// the host's.
class GestureTimers {
public:
  /// Calls PointerGestures::timer(Generation) after \p Milliseconds.
  virtual void armGestureTimer(int Milliseconds, unsigned Generation) = 0;

protected:
  ~GestureTimers() = default;
};

/// How long a finger may wait for a second one before it counts as held:
/// long enough for two fingers put down together (they land some tens of
/// milliseconds apart), short beside the 500 ms before a held value repeats.
constexpr int ChordWindowMs = 150;

class PointerGestures {
public:
  /// \p Scale is the number of window pixels per CSS pixel: the sizes below
  /// are chosen in CSS pixels, which are about the same size on every
  /// screen.
  PointerGestures(Host &Lab, GestureTimers &Timers, double Scale = 1.0);

  void pointer(const RawPointer &Event);
  void timer(unsigned Generation);
  /// After a change of the device pixel ratio.
  void setScale(double Scale);

  /// The side of the box a finger picks with where the mouse's finds
  /// nothing, in window pixels.
  int fingerBoxSide() const { return FingerBox; }
  /// How far a finger may wander and still tap, in window pixels.
  int tapSlop() const { return Slop; }

private:
  enum class FingerState { None, Pending, Left, Right, Edit, Spent };

  void mouseLike(const RawPointer &Event, int BoxSide);
  void fingerDown(const RawPointer &Event);
  void fingerMove(const RawPointer &Event);
  void follow(PixelPoint At);
  void fingerUp(const RawPointer &Event);
  void pressPending(MouseButton Button);
  void send(MouseButton Button, ButtonState State, PixelPoint At);
  void commitEdit(PixelPoint At);
  bool wandered(PixelPoint At) const;

  Host &Lab;
  GestureTimers &Timers;
  int MouseBox = MousePickBoxSide;
  int FingerBox = MousePickBoxSide;
  int Slop = 0;

  // The mouse and the pen: the buttons pressed over the program.
  int HeldButtons = 0;

  // Fingers: the first one leads, the others only count.
  FingerState Finger = FingerState::None;
  int LeadId = -1;
  int FingersDown = 0;
  PixelPoint Touched;
  PixelPoint Last;
  bool Moved = false;
  /// The lead finger pressed the left button that started an edit mode:
  /// its release is still owed.
  bool OwesLeftUp = false;
  unsigned TimerGeneration = 0;
};

#endif
