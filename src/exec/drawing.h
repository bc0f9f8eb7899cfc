// The picture a run produces: a singly linked list of Shapes with one cursor
// that is both the append position and the display's walking position. A
// full walk (rewind, then advance to the end) leaves the cursor on the last
// Shape, where the next one belongs.
#ifndef QUOVADRIN_EXEC_DRAWING_H
#define QUOVADRIN_EXEC_DRAWING_H

#include "exec/point.h"
#include "exec/shape.h"

class Drawing {
public:
  Drawing();
  ~Drawing();
  Drawing(const Drawing &) = delete;
  Drawing &operator=(const Drawing &) = delete;

  // Adding: each makes a Shape of its kind, appends it and moves the cursor
  // onto it. Geometry arrays are copied; the caller keeps its buffers.
  void addSquare(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                 int Rotation);
  void addCircle(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                 int Rotation);
  /// \p Outline holds 12 points.
  void addBlob(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height, int Rotation,
               const Point *Outline);
  void addRasterLine(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                     int Rotation, int Orientation);
  void addFreeLine(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                   int Rotation, int Orientation, float End0, float End1, float End2, float End3);
  /// \p Outline holds 12 points, of which a soft line uses the first 9.
  void addSoftLine(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                   int Rotation, const Point *Outline, int Orientation);
  /// The first \p N of \p Points are copied; N <= 0 gives a Shape without points.
  void addRasterPolyline(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                         int Rotation, int N, const Point *Points);
  void addFreePolyline(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                       int Rotation, int N, const Point *Points);
  void addSoftPolyline(int Column, int Row, int OffsetX, int OffsetY, int Width, int Height,
                       int Rotation, int N, const Point *Points, const Point *Midpoints);

  /// cursor := head; 0 when the Drawing is empty.
  int rewind();
  /// Moves the cursor to the next Shape: 1, or 0 at the end (cursor stays).
  int advance();
  /// 1 when the Shape at the cursor has a next one.
  int hasNext() const;
  /// Destroys every Shape: 0 when already empty, 1 otherwise. Either way the
  /// generation changes.
  int clear();

  Shape *cursor() const { return Cursor; }
  Shape *head() const { return Head; }
  int count() const { return Count; }
  /// Changes with every clear and with nothing else. Between clears Shapes
  /// are only appended, so a view that drew the first count() Shapes of a
  /// generation need only draw the ones after them; a new generation means
  /// the Shapes it drew are gone.
  unsigned generation() const { return Generation; }

private:
  Shape *append(ShapeKind Kind, int Column, int Row, int OffsetX, int OffsetY, int Width,
                int Height, int Rotation);

  Shape *Cursor = nullptr;
  Shape *Head = nullptr;
  int Count = 0;
  unsigned Generation = 0;
};

#endif
