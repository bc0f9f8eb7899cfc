// PNG files into GL textures.
#include "webgl/image_texture.h"

#include <cstdio>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace {

// The channels as the file has them: grey, grey with alpha (the atlas),
// colour, colour with alpha (the icons).
GLenum formatFor(int Channels) {
  switch (Channels) {
  case 1:
    return GL_LUMINANCE;
  case 2:
    return GL_LUMINANCE_ALPHA;
  case 4:
    return GL_RGBA;
  default:
    return GL_RGB;
  }
}

bool isPowerOfTwo(int Side) { return Side > 0 && (Side & (Side - 1)) == 0; }

} // namespace

GLuint loadImageTexture(const std::string &Path) {
  int Width = 0, Height = 0, Channels = 0;
  unsigned char *Pixels = stbi_load(Path.c_str(), &Width, &Height, &Channels, 0);
  if (!Pixels) {
    std::fprintf(stderr, "%s: %s\n", Path.c_str(), stbi_failure_reason());
    return 0;
  }
  GLuint Name = 0;
  glGenTextures(1, &Name);
  glBindTexture(GL_TEXTURE_2D, Name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  const GLenum Format = formatFor(Channels);
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(Format), Width, Height, 0, Format,
               GL_UNSIGNED_BYTE, Pixels);
  stbi_image_free(Pixels);
  // WebGL 1 keeps mipmaps and repetition to power-of-two sides; the
  // program's images all have them, anything else is drawn without.
  const bool Mipmapped = isPowerOfTwo(Width) && isPowerOfTwo(Height);
  if (Mipmapped)
    glGenerateMipmap(GL_TEXTURE_2D);
  const GLint Wrap = Mipmapped ? GL_REPEAT : GL_CLAMP_TO_EDGE;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, Wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, Wrap);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                  Mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  return Name;
}
