// The names the screen's pickable things carry. GL selection returns them,
// so their values are those of the screen layout and never change. Listing
// lines are picked by their 1-based position and file-list entries as
// FirstFileEntry + index, so a pick result is an int that may hold one of
// these names or such a number.
#ifndef QUOVADRIN_EDITOR_PICK_NAME_H
#define QUOVADRIN_EDITOR_PICK_NAME_H

#include "model/command.h"

enum class PickName : int {
  UpStrip = -3,
  DownStrip = -2,
  Nothing = -1,
  Title = 0,
  // The drawing tools; each name equals the shape kind it draws.
  Square = static_cast<int>(ShapeKind::Square),
  Circle = static_cast<int>(ShapeKind::Circle),
  Blob = static_cast<int>(ShapeKind::Blob),
  RasterLine = static_cast<int>(ShapeKind::RasterLine),
  FreeLine = static_cast<int>(ShapeKind::FreeLine),
  SoftLine = static_cast<int>(ShapeKind::SoftLine),
  RasterPolyline = static_cast<int>(ShapeKind::RasterPolyline),
  FreePolyline = static_cast<int>(ShapeKind::FreePolyline),
  SoftPolyline = static_cast<int>(ShapeKind::SoftPolyline),
  Dice = 13,
  Repeat = 14,
  Undo = 15,
  Go = 16,
  Save = 17,
  Load = 18,
  // The parameter Labels.
  FieldX = 19,
  FieldY = 20,
  FieldW = 21,
  FieldH = 22,
  FieldV = 23,
  FieldHorizontal = 24,
  FieldD = 25,
  FieldN = 27,
  Print = 28,
  // The pen menu.
  XyAbs = 29,
  HvAbs = 30,
  DAbs = 31,
  WhAbs = 32,
  PenMarker = 33,
  // The Labels of the random/repeat area, and max and min.
  Count = 34,
  RandomTarget = 35,
  FieldMax = 36,
  FieldMin = 37,
  Abs = 38,
  Rel = 39,
  Mul = 40,
  Div = 41,
  Upper = 58,
  Lower = 59,
  XyRel = 60,
  HvRel = 61,
  DRel = 62,
  WhRel = 63,
  Stamp = 64,
  Restart = 65,
  FirstFileEntry = 70,
  Quit = 666,
};

constexpr int pickValue(PickName Name) { return static_cast<int>(Name); }

/// Whether \p Pick acts on the press and repeats while held: the names from
/// the x row to min, the value Labels and print among them. Every other
/// Button acts once, on the release.
constexpr bool repeatsWhileHeld(int Pick) {
  return Pick >= pickValue(PickName::FieldX) && Pick <= pickValue(PickName::FieldMin);
}

/// Whether \p Pick is one of the nine drawing tools.
constexpr bool isToolPick(int Pick) {
  return (Pick >= 1 && Pick <= 3) || (Pick >= 7 && Pick <= 12);
}

#endif
