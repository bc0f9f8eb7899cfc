// The Shapes of the Drawing on the canvas, kept as a view cache: each Shape is
// drawn once into an offscreen texture the size of the canvas, and a frame
// lays that texture over the canvas instead of drawing every Shape again, so
// that a frame's cost does not grow with the number of Shapes. Under the pen
// marker a frame draws again only the Shapes that reach it. Without
// framebuffer objects every frame draws every Shape, as it always did.
#ifndef QUOVADRIN_APP_SHAPE_LAYER_H
#define QUOVADRIN_APP_SHAPE_LAYER_H

#include <memory>
#include <vector>

#include "app/canvas_pixels.h"
#include "editor/window_layout.h"
#include "gfx/offscreen_texture.h"
#include "screen/canvas_bounds.h"

class Drawing;
class Shape;

class ShapeLayer {
public:
  /// \p Load resolves the framebuffer entry points (glutGetProcAddress in
  /// the program); null keeps the layer on drawing every Shape each frame.
  /// Needs a current context.
  explicit ShapeLayer(GlProcLoader Load);
  ~ShapeLayer();
  ShapeLayer(const ShapeLayer &) = delete;
  ShapeLayer &operator=(const ShapeLayer &) = delete;

  /// Brings the texture up to date with \p Picture on a screen laid out as
  /// \p Layout:
  /// Shapes added since the last call are drawn into it; a cleared Drawing
  /// or a new canvas size starts it afresh. A layer follows one Drawing.
  /// Call before a frame, outside the display; changes no GL state the
  /// display relies on.
  void sync(const Drawing &Picture, const WindowLayout &Layout);

  /// Draws the Shapes of \p Picture on the canvas as drawing each Shape in
  /// turn would: with \p GridVisible in grey over the grid, which the caller
  /// has drawn, and over whatever it drew within \p Beneath (the pen
  /// marker); otherwise in black on the white canvas. The canvas view must
  /// be set. Uses the texture when it holds exactly \p Picture at this size,
  /// and draws every Shape otherwise.
  void draw(const Drawing &Picture, const WindowLayout &Layout, bool GridVisible,
            const CanvasBounds &Beneath) const;

  /// Whether the texture is in use (after the first sync).
  bool cached() const;
  /// Whether the texture holds every Shape of \p Picture at this size.
  bool current(const Drawing &Picture, const WindowLayout &Layout) const;
  /// The one console line naming the path in use.
  const char *pathReport() const;

private:
  /// A Shape in the texture and the canvas pixels its lines can touch.
  struct Footprint {
    const Shape *Drawn;
    PixelRect Pixels;
  };

  void drawIntoLayer(const WindowLayout &Layout, const Shape *First, bool Fresh);
  /// Lays the \p Parts of the texture over the canvas: as they are on the
  /// grid, the Shapes in black on white without it.
  void composite(const PanelRect &Canvas, const std::vector<PixelRect> &Parts,
                 bool GridVisible) const;
  /// Blends every Shape that reaches \p Pixels into those pixels, in order.
  void drawShapesWithin(const PixelRect &Pixels) const;

  OffscreenApi Api;
  /// The Shapes in grey over the grid, their coverage in the alpha.
  std::unique_ptr<OffscreenTexture> Layer;
  /// Every Shape the texture holds, in drawing order.
  std::vector<Footprint> Footprints;
  /// What the layer holds: the first Drawn Shapes of the Drawing's
  /// generation Generation, the last of them LastDrawn, all within Inked.
  unsigned Generation = 0;
  int Drawn = 0;
  const Shape *LastDrawn = nullptr;
  CanvasBounds Inked;
};

#endif
