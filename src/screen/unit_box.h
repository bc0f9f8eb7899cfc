// The unit box every figure is drawn in (-0.5 to 0.5 on both axes) and how
// it lands on the canvas: the placement of a Shape or the pen marker, and
// the same as one affine map, which picking tests the pointer against.
#ifndef QUOVADRIN_SCREEN_UNIT_BOX_H
#define QUOVADRIN_SCREEN_UNIT_BOX_H

/// How a unit box lands on the canvas, in the order the window applies it:
/// moved to its centre, turned by Rotation degrees about it, then scaled.
struct UnitBoxPlacement {
  float CentreX = 0, CentreY = 0;
  int Rotation = 0; ///< degrees, turned as the window turns them
  float ScaleX = 1, ScaleY = 1;
};

/// The same placement as one affine map: a unit-box point (x, y) lands on
/// the canvas at (Xx x + Yx y + Cx, Xy x + Yy y + Cy).
struct UnitBoxMap {
  float Xx, Xy; // the image of the x axis
  float Yx, Yy; // the image of the y axis
  float Cx, Cy; // the box's centre
};

/// The placement as a map, with the rotation's sine and cosine taken as the
/// window's matrix takes them.
UnitBoxMap unitBoxMap(const UnitBoxPlacement &Placement);

#endif
