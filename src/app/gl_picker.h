// Picking with OpenGL's selection mode: each panel draws its pickable things
// again, each under its pick name, inside a 5 x 5 pixel box around the
// pointer, and the hit records say what lies there. The tool panel takes
// the second hit, so a small Label drawn over a larger Button wins, and so
// does the file list drawn over them; the canvas and the listing take the
// first.
#ifndef QUOVADRIN_APP_GL_PICKER_H
#define QUOVADRIN_APP_GL_PICKER_H

#include <GL/gl.h>

#include "editor/picker.h"
#include "editor/screen_space.h"

class Screen;
class Session;
struct EditorState;

/// Entries of the selection buffer: five hit records of one name each. A
/// pick that overflows it counts as no hit.
constexpr int SelectBufferSize = 20;

class GlPicker final : public Picker {
public:
  /// Picks among the widgets of \p Widgets as \p E and \p S place them; the
  /// widgets must be in step with the state (Screen::sync).
  GlPicker(const Session &GivenS, const EditorState &GivenE, const Screen &GivenWidgets)
      : S(GivenS), E(GivenE), Widgets(GivenWidgets) {}

  int pickToolPanel(int X, int Y) override;
  int pickCanvas(int X, int Y) override;
  int pickListing(int X, int Y) override;

private:
  /// Sets up selection mode over \p Which around (X, Y); returns the hits
  /// after \p DrawNames has drawn, and leaves the GL in render mode.
  template <typename DrawFn> GLint select(Panel Which, int X, int Y, DrawFn &&DrawNames);
  /// The name of hit record \p Record (0 or 1).
  int recordName(int Record) const;

  const Session &S;
  const EditorState &E;
  const Screen &Widgets;
  GLuint Buffer[SelectBufferSize] = {};
};

#endif
