// PNG files as mipmapped OpenGL textures: the icons, the title and the
// alphabet atlas are all loaded once at start-up and kept for the whole run.
#ifndef QUOVADRIN_GFX_PNG_TEXTURE_H
#define QUOVADRIN_GFX_PNG_TEXTURE_H

#include <string>

/// Loads \p Path (relative to the working directory) into a new texture and
/// returns its name. Failures return -1 (file cannot be opened, no memory),
/// 4 (libpng cannot set up) or 2 (damaged or not a PNG); no texture is made
/// then, and one line naming the file goes to standard error.
/// Needs a current OpenGL context.
int loadPngTexture(const std::string &Path);

#endif
