// The icon sets: the title and the drawing tools; the controls of the tool
// panel; the pen menu on the canvas; the program's own icon for the desktop.
// Each writes its PNG files into \p Dir.
#ifndef QUOVADRIN_TOOLS_IMAGES_ICONS_H
#define QUOVADRIN_TOOLS_IMAGES_ICONS_H

#include <string>

#include "font.h"

void writeToolIcons(const std::string &Dir, Font &Glyphs);
void writeControlIcons(const std::string &Dir);
void writePenMenuIcons(const std::string &Dir);

/// The pixel sizes of the program's icon, one file quovadrin-<size>.png each:
/// the desktop's menus and launchers, and the web page's app icon (192, 512).
constexpr int AppIconSizes[] = {48, 128, 192, 512};
void writeAppIcons(const std::string &Dir);

#endif
