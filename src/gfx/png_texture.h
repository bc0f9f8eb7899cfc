// PNG files as mipmapped OpenGL textures: the icons, the title and the
// alphabet atlas are all loaded once at start-up and kept for the whole run.
#ifndef QUOVADRIN_GFX_PNG_TEXTURE_H
#define QUOVADRIN_GFX_PNG_TEXTURE_H

#include <GL/gl.h>
#include <string>

#include "gfx/png_reader.h"

/// The outcome of loading a texture: a texture name, or the reason there is
/// none. The two never share a value, so a failure cannot be bound by
/// mistake: a failed load binds texture 0, which draws untextured.
class TextureResult {
public:
  static TextureResult loaded(GLuint Name) { return TextureResult(Name, PngReadResult::Done); }
  /// \p Failure: why the picture could not be read.
  static TextureResult failed(PngReadResult Failure) { return TextureResult(0, Failure); }

  bool ok() const { return Failure == PngReadResult::Done; }
  /// The texture name; 0 (no texture) after a failure.
  GLuint name() const { return Name; }
  /// Done after a success, else why it failed.
  PngReadResult failure() const { return Failure; }

private:
  TextureResult(GLuint GivenName, PngReadResult GivenFailure)
      : Name(GivenName), Failure(GivenFailure) {}

  GLuint Name;
  PngReadResult Failure;
};

/// Loads \p Path into a new texture. A failure makes no texture and writes
/// one line naming the file to standard error. Needs a current OpenGL
/// context.
TextureResult loadPngTexture(const std::string &Path);

#endif
