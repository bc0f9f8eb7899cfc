// Finding the algorithm files in what --render is given. std::filesystem
// works on the page's in-memory file system as well.
#include "render/render_inputs.h"

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

class InputCollector {
public:
  void addFile(const fs::path &Path) {
    std::error_code Error;
    const fs::path Absolute = fs::absolute(Path, Error).lexically_normal();
    fs::path Key = fs::weakly_canonical(Absolute, Error);
    if (Error)
      Key = Absolute;
    if (!Seen.insert(Key.string()).second)
      return;
    Found.Files.push_back({Path.string(), Absolute.parent_path().string()});
  }

  void addFolder(const fs::path &Folder) {
    std::error_code Error;
    fs::recursive_directory_iterator Walk(Folder, fs::directory_options::skip_permission_denied,
                                          Error);
    if (Error) {
      Found.UnreadableFolders.push_back(Folder.string());
      return;
    }
    for (; Walk != fs::recursive_directory_iterator(); Walk.increment(Error)) {
      if (Error)
        break;
      const std::string Name = Walk->path().filename().string();
      const bool IsFolder = Walk->is_directory(Error);
      if (!Name.empty() && Name.front() == '.') {
        if (IsFolder)
          Walk.disable_recursion_pending();
        continue;
      }
      if (!IsFolder && isAlgorithmFileName(Name))
        addFile(Walk->path());
    }
    if (Error)
      Found.UnreadableFolders.push_back(Folder.string());
  }

  RenderInputs Found;

private:
  std::set<std::string> Seen;
};

} // namespace

bool isAlgorithmFileName(const std::string &Name) {
  const std::string Extension = ".alg";
  return Name.size() > Extension.size() &&
         Name.compare(Name.size() - Extension.size(), Extension.size(), Extension) == 0;
}

RenderInputs findRenderInputs(const std::vector<std::string> &Given) {
  InputCollector Collector;
  for (const std::string &Name : Given) {
    std::error_code Error;
    if (fs::is_directory(Name, Error))
      Collector.addFolder(Name);
    else if (isAlgorithmFileName(fs::path(Name).filename().string()))
      Collector.addFile(Name);
    else
      Collector.Found.NotAlgorithms.push_back(Name);
  }
  return std::move(Collector.Found);
}
