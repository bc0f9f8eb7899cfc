// Builds, once at start-up, everything that sits on the screen: the fixed
// Variables, the tool panel's background, the Buttons and Labels in the order
// they are drawn and picked, the pen menu and the alphabet texture.
#ifndef QUOVADRIN_APP_SCREEN_LAYOUT_H
#define QUOVADRIN_APP_SCREEN_LAYOUT_H

/// Display-list name of the tool panel's background.
constexpr unsigned BackgroundListName = 999;
/// The atlas all text is cut from.
constexpr const char *AlphabetAtlasPath = "alphabetTextures/alphabet_trans_gray.png";

/// Fills the AppState's Variables, widgets, toolChain, backgroundList and
/// alphabetTexture. Needs a current OpenGL context.
void buildScreen();

/// Places the nine pen-menu Buttons around the pen (kept 80 units inside the
/// canvas) and recompiles them.
void placePenMenu();

#endif
