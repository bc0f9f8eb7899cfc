// The pointer as the platform reports it: a button pressed or released, or
// the pointer moved, at a window pixel counted from the top left. Each
// carries the side of the box that picks what lies under it: the mouse
// picks with 5 x 5 pixels, and a front end for fingers can pass a larger
// box without changing any rule of the mouse. A finger's box only grows
// where the mouse's finds nothing, so that among small things close
// together the one under the touch still wins.
#ifndef QUOVADRIN_EDITOR_POINTER_EVENT_H
#define QUOVADRIN_EDITOR_POINTER_EVENT_H

#include "editor/window_layout.h"

enum class MouseButton { Left, Middle, Right };
enum class ButtonState { Down, Up };

/// Side in pixels of the box a mouse picks with.
constexpr int MousePickBoxSide = 5;

/// Where a pick looks: a window pixel and the side of the box around it.
struct PickPoint {
  PixelPoint Pixel;
  int BoxSide = MousePickBoxSide;
  /// The largest box to grow to where BoxSide finds nothing; no larger
  /// than BoxSide means never.
  int GrowToSide = 0;
};

/// A button pressed or released.
struct PointerEvent {
  MouseButton Button = MouseButton::Left;
  ButtonState State = ButtonState::Down;
  int X = 0;
  int Y = 0;
  int PickBoxSide = MousePickBoxSide;
  int GrowToSide = 0;

  bool isDown() const { return State == ButtonState::Down; }
  bool isLeft() const { return Button == MouseButton::Left; }
  bool isRight() const { return Button == MouseButton::Right; }
  PixelPoint pixel() const { return {X, Y}; }
  PickPoint where() const { return {pixel(), PickBoxSide, GrowToSide}; }
};

/// The pointer moved, with or without a button held.
struct PointerMotion {
  int X = 0;
  int Y = 0;
  int PickBoxSide = MousePickBoxSide;
  int GrowToSide = 0;

  PixelPoint pixel() const { return {X, Y}; }
  PickPoint where() const { return {pixel(), PickBoxSide, GrowToSide}; }
};

#endif
