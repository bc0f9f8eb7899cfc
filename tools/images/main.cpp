// Generates the pictures the program reads at start: the alphabet atlas and
// every icon. Usage: quovadrin_images OUTPUT_DIR FONT_FILE BOLD_FONT_FILE
// Writes OUTPUT_DIR/alphabetTextures/alphabet_trans_gray.png and
// OUTPUT_DIR/vorpData/*.png, and the desktop icon OUTPUT_DIR/appIcon/*.png.
// The output depends only on the fonts.
#include <cstdio>
#include <filesystem>
#include <string>

#include "atlas.h"
#include "font.h"
#include "icons.h"
#include "png_file.h"

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR FONT_FILE BOLD_FONT_FILE\n", argv[0]);
    return 2;
  }
  const std::string Out = argv[1];
  Font Regular(argv[2]);
  Font Bold(argv[3]);
  std::filesystem::create_directories(Out + "/alphabetTextures");
  std::filesystem::create_directories(Out + "/vorpData");
  std::filesystem::create_directories(Out + "/appIcon");
  const std::string AtlasPath = Out + "/alphabetTextures/alphabet_trans_gray.png";
  if (!writeGreyAlphaPng(AtlasPath, makeAtlas(Regular))) {
    std::fprintf(stderr, "Cannot write %s\n", AtlasPath.c_str());
    return 1;
  }
  writeToolIcons(Out + "/vorpData", Bold);
  writeControlIcons(Out + "/vorpData");
  writePenMenuIcons(Out + "/vorpData");
  writeAppIcons(Out + "/appIcon");
  return 0;
}
