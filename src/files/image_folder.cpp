// The image folder lookup: the working directory first, then the installed
// data folder next to the executable.
#include "files/image_folder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::vector<std::string> imageFolderCandidates(const std::string &ExePath,
                                               const std::string &DataFromExe) {
  std::vector<std::string> Candidates = {""};
  if (ExePath.empty())
    return Candidates;
  const fs::path Installed = fs::path(ExePath).parent_path() / DataFromExe;
  Candidates.push_back(Installed.lexically_normal().string() + "/");
  return Candidates;
}

namespace {

bool holdsImages(const std::string &Folder) {
  std::error_code Ignored;
  return fs::is_directory(Folder + IconFolder, Ignored) &&
         fs::is_regular_file(Folder + AlphabetAtlasPath, Ignored);
}

} // namespace

std::optional<std::string> findImageFolder(const std::vector<std::string> &Candidates) {
  for (const std::string &Folder : Candidates)
    if (holdsImages(Folder))
      return Folder;
  return std::nullopt;
}

std::string imagesNotFoundText(const std::vector<std::string> &Candidates,
                               const std::string &WorkingDir) {
  std::string Text = "Die Bilder (vorpData/ und alphabetTextures/) wurden nicht gefunden, "
                     "gesucht in: ";
  for (size_t I = 0; I < Candidates.size(); ++I) {
    if (I > 0)
      Text += ", ";
    const std::string &Folder = Candidates[I];
    Text += Folder.empty() ? WorkingDir : Folder.substr(0, Folder.size() - 1);
  }
  return Text;
}

std::string executablePath() {
  std::error_code Unknown;
  const fs::path Exe = fs::read_symlink("/proc/self/exe", Unknown);
  return Unknown ? std::string() : Exe.string();
}
