// The names the screen's pickable things carry. Their values are those the
// screen layout has always given them and never change: the drawing tools'
// names are the shape kinds a draw command stores, and the screen names the
// file-list entries FirstFileEntry + index when it offers them to a pick.
// What a pick found reaches the editor as a PickResult; what each name does
// is in the pick table.
#ifndef QUOVADRIN_EDITOR_PICK_NAME_H
#define QUOVADRIN_EDITOR_PICK_NAME_H

#include <cstdint>

#include "model/command.h"

/// Two bytes hold every name, so the pick table stays small.
enum class PickName : int16_t {
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
  // The parameter Labels, each named after the Variable it edits: the pen's
  // column and row, its width dx and height dy in cells, its offsets h
  // (sideways) and v (up and down), its rotation and the polyline length.
  FieldX = 19,
  FieldY = 20,
  FieldDx = 21,
  FieldDy = 22,
  FieldH = 23,
  FieldV = 24,
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

/// Whether the Shape kind \p Kind has a drawing tool, the one whose name
/// equals it. The others are only drawn by commands loaded from a file,
/// which may give any 32-bit number: it is compared as a number, never
/// turned into a name.
constexpr bool isToolShape(ShapeKind Kind) {
  const int32_t Value = static_cast<int32_t>(Kind);
  return (Value >= pickValue(PickName::Square) && Value <= pickValue(PickName::Blob)) ||
         (Value >= pickValue(PickName::RasterLine) && Value <= pickValue(PickName::SoftPolyline));
}

#endif
