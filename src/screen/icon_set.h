// The icon textures of a back end: every icon the screen shows, loaded once
// at start with the back end's own loader, and found again by the pick name
// of the Button it shows on.
#ifndef QUOVADRIN_SCREEN_ICON_SET_H
#define QUOVADRIN_SCREEN_ICON_SET_H

#include <string>
#include <utility>
#include <vector>

#include "files/image_folder.h"
#include "screen/screen_layout.h"

/// \p Texture is the back end's texture name; its value-initialised value
/// (0) draws untextured.
template <typename Texture> class IconSet {
public:
  /// Loads every icon of iconFiles() below \p ImageFolder (a path prefix)
  /// with \p Load, which returns the texture of the PNG at the path it is
  /// given. An icon that cannot be loaded keeps what Load returned for it.
  template <typename LoadFn> void load(const std::string &ImageFolder, LoadFn &&Load) {
    for (const IconFile &Icon : iconFiles())
      Textures.emplace_back(Icon.Pick, Load(ImageFolder + IconFolder + Icon.File));
  }

  /// The texture of the icon of the Button named \p Icon; none for a name
  /// without an icon.
  Texture find(PickName Icon) const {
    for (const auto &[Pick, Loaded] : Textures)
      if (Pick == Icon)
        return Loaded;
    return Texture();
  }

private:
  std::vector<std::pair<PickName, Texture>> Textures;
};

#endif
