// Drawing into a texture instead of the window, through framebuffer objects.
// The program links the plain OpenGL 1.x library, so their entry points are
// fetched at run time, and only when the context names the extension.
#ifndef QUOVADRIN_GFX_OFFSCREEN_TEXTURE_H
#define QUOVADRIN_GFX_OFFSCREEN_TEXTURE_H

#include <GL/gl.h>
#include <GL/glext.h>

/// Looks up an OpenGL entry point by name, like glutGetProcAddress; the
/// window system's loader is the caller's business.
using GlProc = void (*)();
using GlProcLoader = GlProc (*)(const char *Name);

/// Whether the space-separated extension list \p Extensions holds \p Name as
/// a whole word. A null list holds nothing.
bool hasExtension(const char *Extensions, const char *Name);
/// Whether a GL_VERSION string (\p Version, "major.minor..." then anything)
/// names at least \p Major.\p Minor. A null or unreadable string does not.
bool versionAtLeast(const char *Version, int Major, int Minor);

/// The entry points that drawing into a texture and laying it over the
/// window need beyond OpenGL 1.1: framebuffer objects (the core names with
/// GL_ARB_framebuffer_object, the EXT names with GL_EXT_framebuffer_object),
/// and separate blend factors for alpha; with OpenGL 2.0, which also brings
/// textures of any size. Empty when the context lacks any of it or a name
/// does not resolve.
struct OffscreenApi {
  PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
  PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
  PFNGLBLENDFUNCSEPARATEPROC blendFuncSeparate = nullptr;

  bool available() const;
};

/// Reads the current context's version and extensions; \p Load resolves
/// the names.
OffscreenApi loadOffscreenApi(GlProcLoader Load);

/// An RGBA texture of Width x Height texels with a framebuffer object that
/// draws into it; nearest filtering, so a texel shown on a pixel of the same
/// size keeps its value. Its content is undefined until drawn.
class OffscreenTexture {
public:
  /// Needs a current context and available \p Entries. complete() tells
  /// whether the driver accepted the pair.
  OffscreenTexture(const OffscreenApi &Entries, int Width, int Height);
  ~OffscreenTexture();
  OffscreenTexture(const OffscreenTexture &) = delete;
  OffscreenTexture &operator=(const OffscreenTexture &) = delete;

  bool complete() const { return Complete; }
  int width() const { return Width; }
  int height() const { return Height; }
  GLuint texture() const { return Texture; }

  /// Drawing goes into the texture until release(), which hands it back to
  /// the window.
  void bind() const;
  void release() const;

private:
  OffscreenApi Api;
  int Width, Height;
  GLuint Texture = 0;
  GLuint Framebuffer = 0;
  bool Complete = false;
};

#endif
