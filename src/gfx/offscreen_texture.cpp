// Framebuffer objects found at run time, and the texture they draw into.
#include "gfx/offscreen_texture.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

template <typename Fn> void resolve(Fn &Entry, GlProcLoader Load, const std::string &Name) {
  Entry = reinterpret_cast<Fn>(Load(Name.c_str()));
}

} // namespace

bool hasExtension(const char *Extensions, const char *Name) {
  if (!Extensions || !*Name)
    return false;
  const size_t Length = std::strlen(Name);
  // A name is also the start of longer ones ("..._object" and "..._object2"),
  // so a match must end where a word ends.
  for (const char *At = std::strstr(Extensions, Name); At; At = std::strstr(At + 1, Name)) {
    const bool StartsWord = At == Extensions || At[-1] == ' ';
    const bool EndsWord = At[Length] == ' ' || At[Length] == '\0';
    if (StartsWord && EndsWord)
      return true;
  }
  return false;
}

bool versionAtLeast(const char *Version, int Major, int Minor) {
  int HasMajor = 0, HasMinor = 0;
  if (!Version || std::sscanf(Version, "%d.%d", &HasMajor, &HasMinor) != 2)
    return false;
  return HasMajor > Major || (HasMajor == Major && HasMinor >= Minor);
}

bool OffscreenApi::available() const {
  return genFramebuffers && deleteFramebuffers && bindFramebuffer && framebufferTexture2D &&
         checkFramebufferStatus && blendFuncSeparate;
}

OffscreenApi loadOffscreenApi(GlProcLoader Load) {
  OffscreenApi Api;
  const char *Version = reinterpret_cast<const char *>(glGetString(GL_VERSION));
  const char *Extensions = reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS));
  if (!Load || !versionAtLeast(Version, 2, 0))
    return Api;
  // Both extensions take the same arguments and enum values; only the names
  // differ.
  std::string Suffix;
  if (!hasExtension(Extensions, "GL_ARB_framebuffer_object")) {
    if (!hasExtension(Extensions, "GL_EXT_framebuffer_object"))
      return Api;
    Suffix = "EXT";
  }
  resolve(Api.genFramebuffers, Load, "glGenFramebuffers" + Suffix);
  resolve(Api.deleteFramebuffers, Load, "glDeleteFramebuffers" + Suffix);
  resolve(Api.bindFramebuffer, Load, "glBindFramebuffer" + Suffix);
  resolve(Api.framebufferTexture2D, Load, "glFramebufferTexture2D" + Suffix);
  resolve(Api.checkFramebufferStatus, Load, "glCheckFramebufferStatus" + Suffix);
  resolve(Api.blendFuncSeparate, Load, "glBlendFuncSeparate");
  return Api;
}

OffscreenTexture::OffscreenTexture(const OffscreenApi &Entries, int GivenWidth, int GivenHeight)
    : Api(Entries), Width(GivenWidth), Height(GivenHeight) {
  if (!Api.available() || GivenWidth <= 0 || GivenHeight <= 0)
    return;
  glPushAttrib(GL_TEXTURE_BIT);
  glGenTextures(1, &Texture);
  glBindTexture(GL_TEXTURE_2D, Texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, GivenWidth, GivenHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               nullptr);
  // One level and no filtering: a texel shown on a pixel stays as it is.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glPopAttrib();
  Api.genFramebuffers(1, &Framebuffer);
  bind();
  Api.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, Texture, 0);
  Complete = Api.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  release();
}

OffscreenTexture::~OffscreenTexture() {
  if (Framebuffer)
    Api.deleteFramebuffers(1, &Framebuffer);
  if (Texture)
    glDeleteTextures(1, &Texture);
}

void OffscreenTexture::bind() const { Api.bindFramebuffer(GL_FRAMEBUFFER, Framebuffer); }

void OffscreenTexture::release() const { Api.bindFramebuffer(GL_FRAMEBUFFER, 0); }
