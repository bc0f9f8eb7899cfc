// Upload of a decoded PNG: wrap and filter parameters, the full mipmap chain,
// then the picture itself as level 0 where the GL keeps the chain complete.
#include "gfx/png_texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "gfx/png_reader.h"

namespace {

GLenum formatFor(int ColorType) {
  switch (ColorType) {
  case 0:
    return GL_LUMINANCE;
  case 4:
    return GL_LUMINANCE_ALPHA;
  case 6:
    return GL_RGBA;
  default:
    return GL_RGB;
  }
}

bool isPowerOfTwo(int Side) { return Side > 0 && (Side & (Side - 1)) == 0; }

} // namespace

TextureResult loadPngTexture(const std::string &Path) {
  PngImage Image;
  const PngReadResult Result = readPngImage(Path, Image);
  if (Result != PngReadResult::Done)
    return TextureResult::failed(Result);

  GLuint Name = 0;
  glGenTextures(1, &Name);
  glBindTexture(GL_TEXTURE_2D, Name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

  const GLenum Format = formatFor(Image.ColorType);
  const auto Internal = static_cast<GLint>(Format);
  gluBuild2DMipmaps(GL_TEXTURE_2D, Internal, Image.Width, Image.Height, Format, GL_UNSIGNED_BYTE,
                    Image.Pixels.data());
  // The mipmap builder scales odd-sized pictures to powers of two. Putting the
  // unscaled picture back as level 0 would leave the chain inconsistent on a
  // GL that accepts such sizes, and the texture would show nothing; so only
  // power-of-two pictures are uploaded again at their own size.
  if (isPowerOfTwo(Image.Width) && isPowerOfTwo(Image.Height))
    glTexImage2D(GL_TEXTURE_2D, 0, Internal, Image.Width, Image.Height, 0, Format, GL_UNSIGNED_BYTE,
                 Image.Pixels.data());
  return TextureResult::loaded(Name);
}
