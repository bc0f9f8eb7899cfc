// Textures from the program's PNG images (the icons and the alphabet atlas),
// decoded with stb_image since the web build has no libpng. Filtering and
// the mipmap chain follow the desktop's textures.
#ifndef QUOVADRIN_WEBGL_IMAGE_TEXTURE_H
#define QUOVADRIN_WEBGL_IMAGE_TEXTURE_H

#include <GLES2/gl2.h>
#include <string>

/// The texture of the PNG file \p Path, or 0 (with a line on stderr) when it
/// cannot be read: a missing icon shows as an untextured rectangle, as on
/// the desktop.
GLuint loadImageTexture(const std::string &Path);

#endif
