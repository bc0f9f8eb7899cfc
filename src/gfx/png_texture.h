// PNG files as mipmapped OpenGL textures: the icons, the title and the
// alphabet atlas are all loaded once at start-up and kept for the whole run.
#ifndef QUOVADRIN_GFX_PNG_TEXTURE_H
#define QUOVADRIN_GFX_PNG_TEXTURE_H

#include <GL/gl.h>
#include <string>

/// The outcome of loading a texture: a texture name, or the reason there is
/// none. The two never share a value, so a failure cannot be bound by
/// mistake: a failed load binds texture 0, which draws untextured.
class TextureResult {
public:
  static TextureResult loaded(GLuint Name) { return TextureResult(Name, 0); }
  /// \p Failure: -1 (file cannot be opened, no memory), 4 (libpng cannot set
  /// up) or 2 (damaged or not a PNG).
  static TextureResult failed(int Failure) { return TextureResult(0, Failure); }

  bool ok() const { return Failure == 0; }
  /// The texture name; 0 (no texture) after a failure.
  GLuint name() const { return Name; }
  /// 0 after a success, else the failure code.
  int failure() const { return Failure; }

private:
  TextureResult(GLuint GivenName, int GivenFailure) : Name(GivenName), Failure(GivenFailure) {}

  GLuint Name;
  int Failure;
};

/// Loads \p Path into a new texture. A failure makes no texture and writes
/// one line naming the file to standard error. Needs a current OpenGL
/// context.
TextureResult loadPngTexture(const std::string &Path);

#endif
