// The one shader program of the WebGL back end: each vertex carries its
// position in layout units, its texture coordinates and its colour; a
// matrix uniform maps layout units to the panel's clip space; a texture,
// when one is bound, is modulated by the vertex colour, as the desktop's
// fixed-function pipeline does.
#ifndef QUOVADRIN_WEBGL_DRAW_PROGRAM_H
#define QUOVADRIN_WEBGL_DRAW_PROGRAM_H

#include <GLES2/gl2.h>
#include <array>
#include <cstddef>

#include "screen/draw_list.h"

/// A column-major 4 x 4 matrix as GLSL takes it.
using ClipMatrix = std::array<float, 16>;

/// Layout units of a panel LayoutWidth x LayoutHeight (origin top left, y
/// down) to clip space, after moving, turning and scaling by \p Matrix in
/// the order the desktop applies them.
ClipMatrix panelMatrix(int PanelLayoutWidth, const DrawTransform &Matrix);

class DrawProgram {
public:
  /// Compiles and links the program; ready() tells whether that worked.
  DrawProgram();
  ~DrawProgram();
  DrawProgram(const DrawProgram &) = delete;
  DrawProgram &operator=(const DrawProgram &) = delete;

  bool ready() const { return Program != 0; }
  void use() const;
  /// Points the attributes at DrawVertex records in the bound array buffer.
  void bindVertexLayout() const;
  void setMatrix(const ClipMatrix &Matrix) const;
  void setTextured(bool Textured) const;
  /// A vertex within (\p ClipX, \p ClipY) of the viewport's border moves
  /// that far inside it (webgl/panel_viewport.h); 0 keeps every vertex.
  void setBorderInset(float ClipX, float ClipY) const;

private:
  GLuint Program = 0;
  GLint Position = -1, TexCoord = -1, Tint = -1;
  GLint MatrixUniform = -1, TexturedUniform = -1, ImageUniform = -1;
  GLint BorderInsetUniform = -1;
};

#endif
