// A mouse button event as the window reports it: which button, pressed or
// released, and where, in window pixels from the top-left corner.
#ifndef QUOVADRIN_EDITOR_MOUSE_EVENT_H
#define QUOVADRIN_EDITOR_MOUSE_EVENT_H

enum class MouseButton { Left, Middle, Right };
enum class ButtonState { Down, Up };

struct MouseEvent {
  MouseButton Button = MouseButton::Left;
  ButtonState State = ButtonState::Down;
  int X = 0;
  int Y = 0;

  bool isDown() const { return State == ButtonState::Down; }
  bool isLeft() const { return Button == MouseButton::Left; }
  bool isRight() const { return Button == MouseButton::Right; }
};

#endif
