// Where the program reads its images: the working directory before the
// installed data folder next to the executable, a folder counting only with
// both the icons and the atlas, and the one line when none has them.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "files/image_folder.h"
#include "scratch_dir.h"

namespace {

// Lays the images' files out below \p Folder ("" the working directory).
void putImages(const std::string &Folder, bool WithAtlas) {
  std::filesystem::create_directories(Folder + "vorpData");
  std::filesystem::create_directories(Folder + "alphabetTextures");
  writeFile(Folder + "vorpData/square.png", "icon");
  if (WithAtlas)
    writeFile(Folder + AlphabetAtlasPath, "atlas");
}

} // namespace

TEST(ImageFolder, InstalledFolderLiesBesideTheExecutablesFolder) {
  const std::vector<std::string> Expected = {"", "/opt/school/share/quovadrin/"};
  EXPECT_EQ(
      imageFolderCandidates("/opt/school/libexec/quovadrin/quovadrin", "../../share/quovadrin"),
      Expected);
  // Without a known executable the working directory is the only place.
  EXPECT_EQ(imageFolderCandidates("", "../../share/quovadrin"), std::vector<std::string>{""});
  // The test program itself is what the system names.
  EXPECT_EQ(std::filesystem::path(executablePath()).filename(), "unit_tests");
}

TEST(ImageFolder, WorkingDirectoryComesFirstAndNeedsIconsAndAtlas) {
  ScratchDir Here;
  const std::vector<std::string> Places = {"", "installed/"};
  EXPECT_EQ(findImageFolder(Places), std::nullopt);

  putImages("installed/", true);
  // Icons without the atlas in the working directory do not count.
  putImages("", false);
  EXPECT_EQ(findImageFolder(Places), "installed/");

  writeFile(AlphabetAtlasPath, "atlas");
  EXPECT_EQ(findImageFolder(Places), "");
}

TEST(ImageFolder, NotFoundNamesEveryPlaceLookedIn) {
  EXPECT_EQ(imagesNotFoundText({"", "/usr/share/quovadrin/"}, "/home/anna"),
            "Die Bilder (vorpData/ und alphabetTextures/) wurden nicht gefunden, gesucht in: "
            "/home/anna, /usr/share/quovadrin");
}
