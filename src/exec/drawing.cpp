// The Drawing's list: appending each kind of Shape, walking and clearing.
#include "exec/drawing.h"

#include <algorithm>

Drawing::Drawing() = default;

Drawing::~Drawing() { clear(); }

Shape *Drawing::append(ShapeKind Kind, int Column, int Row, int OffsetX, int OffsetY, int Width,
                       int Height, int Rotation) {
  Shape *New = new Shape(Kind, {Column, Row, OffsetX, OffsetY, Width, Height, Rotation});
  if (Count == 0) {
    Head = New;
  } else {
    // A walk that stopped early leaves the cursor inside the list; linking
    // there would cut off the Shapes behind it, so the new one still goes
    // to the end.
    while (Cursor->next)
      Cursor = Cursor->next;
    Cursor->next = New;
  }
  Cursor = New;
  ++Count;
  return New;
}

void Drawing::addSquare(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                        int Rotation) {
  append(ShapeKind::Square, Column, Row, OffsetX, OffsetY, Width, Height, Rotation);
}

void Drawing::addCircle(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                        int Rotation) {
  append(ShapeKind::Circle, Column, Row, OffsetX, OffsetY, Width, Height, Rotation);
}

void Drawing::addBlob(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                      int Rotation, const Point *Outline) {
  Shape *S = append(ShapeKind::Blob, Column, Row, OffsetX, OffsetY, Width, Height, Rotation);
  std::copy(Outline, Outline + ShapeOutlineSize, S->outline);
}

void Drawing::addRasterLine(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                            int Rotation, int Orientation) {
  Shape *S = append(ShapeKind::RasterLine, Column, Row, OffsetX, OffsetY, Width, Height, Rotation);
  S->orientation = Orientation;
}

void Drawing::addFreeLine(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                          int Rotation, int Orientation, float End0, float End1, float End2,
                          float End3) {
  Shape *S = append(ShapeKind::FreeLine, Column, Row, OffsetX, OffsetY, Width, Height, Rotation);
  S->orientation = Orientation;
  S->lineEnds[0] = End0;
  S->lineEnds[1] = End1;
  S->lineEnds[2] = End2;
  S->lineEnds[3] = End3;
}

void Drawing::addSoftLine(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                          int Rotation, const Point *Outline, int Orientation) {
  Shape *S = append(ShapeKind::SoftLine, Column, Row, OffsetX, OffsetY, Width, Height, Rotation);
  std::copy(Outline, Outline + ShapeOutlineSize, S->outline);
  S->orientation = Orientation;
}

void Drawing::addRasterPolyline(int Column, int Row, int OffsetX, int OffsetY, int Width,
                                int Height, int Rotation, int N, const Point *Points) {
  append(ShapeKind::RasterPolyline, Column, Row, OffsetX, OffsetY, Width, Height, Rotation)
      ->takePoints(N, Points, nullptr);
}

void Drawing::addFreePolyline(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                              int Rotation, int N, const Point *Points) {
  append(ShapeKind::FreePolyline, Column, Row, OffsetX, OffsetY, Width, Height, Rotation)
      ->takePoints(N, Points, nullptr);
}

void Drawing::addSoftPolyline(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                              int Rotation, int N, const Point *Points, const Point *Midpoints) {
  append(ShapeKind::SoftPolyline, Column, Row, OffsetX, OffsetY, Width, Height, Rotation)
      ->takePoints(N, Points, Midpoints);
}

int Drawing::rewind() {
  Cursor = Head;
  return Head ? 1 : 0;
}

int Drawing::advance() {
  if (!Cursor || !Cursor->next)
    return 0;
  Cursor = Cursor->next;
  return 1;
}

int Drawing::hasNext() const { return Cursor && Cursor->next ? 1 : 0; }

int Drawing::clear() {
  ++Generation;
  if (Count == 0)
    return 0;
  // Iteratively: a picture can hold tens of thousands of Shapes.
  Shape *S = Head;
  while (S) {
    Shape *Next = S->next;
    delete S;
    S = Next;
  }
  Head = Cursor = nullptr;
  Count = 0;
  return 1;
}
