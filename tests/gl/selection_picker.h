// The reference for picking from a frame's regions: picking as the window
// did it with OpenGL's selection mode. Each panel draws its pickable things
// again, each under its pick name, with a pick matrix around a 5 x 5 pixel
// box at the pointer, and the hit records say what lies there. It draws the
// pick areas itself, from the screen layout and the state, with the very
// calls the window's widgets made (a Button's polygon, a Label's pick
// rectangle, the saved-file rows, the pen marker's placed square, the
// listing's strips and rows), so that it stays the same whatever becomes of
// the frame builders.
//
// A selection pass costs a few microseconds per thing drawn, too slow to
// compare millions of points with every thing of a panel. So a pass draws,
// in their order, only the things that come within NearbyPixels of the
// pointer: a thing farther away cannot meet a box that reaches 2.5 pixels
// from it, and where nothing is near, no pass is needed.
#ifndef QUOVADRIN_TESTS_GL_SELECTION_PICKER_H
#define QUOVADRIN_TESTS_GL_SELECTION_PICKER_H

#include <GL/gl.h>

#include <vector>

#include "editor/window_layout.h"
#include "screen/shape_figure.h"

class Session;
struct EditorState;

/// Entries of the selection buffer: five hit records of one name each.
constexpr int SelectBufferSize = 20;
/// How far from the pointer, in pixels, a thing must come to be drawn.
constexpr double NearbyPixels = 10;

/// What one selection pass reported: the value glRenderMode returned (the
/// number of hit records, -1 when they overflowed the buffer) and the names
/// of the records that fit.
struct SelectionHits {
  int Count = 0;
  std::vector<int> Names;
};

/// One pickable thing as the window drew it for selection.
struct SelectionArea {
  enum class Shape {
    /// A Button's textured polygon: integer corners, across the top first.
    Button,
    /// A Label's pick rectangle or a saved-file row: integer corners, down
    /// the left side first.
    LeftFirst,
    /// A listing strip or row: float corners, down the left side first.
    Float,
    /// The pen marker: the unit box, as Float, placed by Placement.
    PenMarker,
  };
  int Name;
  Shape Kind;
  float X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  UnitBoxPlacement Placement{};
  /// The window pixels, from the top left, within NearbyPixels of the area.
  double NearLeft = 0, NearTop = 0, NearRight = 0, NearBottom = 0;

  bool nearPointer(int X, int Y) const {
    return X >= NearLeft && X <= NearRight && Y >= NearTop && Y <= NearBottom;
  }
};

/// The three panels' selection passes over the things \p Shown and \p Editing put on
/// the screen.
class SelectionPicker {
public:
  SelectionPicker(const Session &Shown, const EditorState &Editing) : Work(Shown), State(Editing) {}

  /// What each panel offers now, in drawing order.
  std::vector<SelectionArea> toolPanelAreas() const;
  std::vector<SelectionArea> canvasAreas() const;
  std::vector<SelectionArea> listingAreas() const;

  /// The things of \p Areas near window pixel (X, Y) in a selection pass
  /// over \p Which; leaves the GL in render mode.
  SelectionHits select(Panel Which, int X, int Y, const std::vector<SelectionArea> &Areas);

  /// Selection passes made so far.
  long passes() const { return Passes; }

private:
  /// \p Areas with the pixels near each over panel \p Which.
  std::vector<SelectionArea> nearPixels(std::vector<SelectionArea> Areas, Panel Which) const;

  const Session &Work;
  const EditorState &State;
  GLuint Buffer[SelectBufferSize] = {};
  long Passes = 0;
};

#endif
