// What the editor is in the middle of: idle, a button held on a panel, a
// listing line held, the pen menu open, or one of the canvas edit modes that
// the pen menu starts. The display reacts to the menu and to the two offset
// modes; the values are those the editor has always used.
#ifndef QUOVADRIN_EDITOR_INTERACTION_MODE_H
#define QUOVADRIN_EDITOR_INTERACTION_MODE_H

enum class InteractionMode : int {
  Idle = -1,
  /// The left button held on the tool panel, or the right one on the canvas.
  LeftHeld = 1,
  /// The right button held on the tool panel.
  RightHeld = 2,
  /// A listing line is held and can be dragged.
  ListingLineHeld = 3,
  PenMenuOpen = 5,
  // Canvas edit modes: the pen follows the pointer until the next click.
  MoveXyAbsolute = 6,
  MoveXyRelative = 7,
  OffsetAbsolute = 8,
  OffsetRelative = 9,
  SizeAbsolute = 11,
  SizeRelative = 12,
  RotateAbsolute = 13,
  RotateRelative = 14,
};

/// Whether \p Mode is one of the canvas edit modes.
constexpr bool isCanvasEditMode(InteractionMode Mode) {
  return static_cast<int>(Mode) >= 6 && static_cast<int>(Mode) <= 14;
}

#endif
