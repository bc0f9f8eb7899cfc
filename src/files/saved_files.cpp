// Scanning vorpAlgorithms/ and choosing the entries that fit the list. Only
// names that open as regular files within the size limit are listed, so an
// entry of the list is a file a click can load.
#include "files/saved_files.h"

#include <glob.h>

#include "files/regular_file.h"
#include "model/text_format.h"

std::vector<std::string> scanSavedAlgorithms(const char *Pattern) {
  std::vector<std::string> Names;
  glob_t Matches{};
  // glob sorts its results, so the list keeps a stable order between scans.
  if (glob(Pattern, 0, nullptr, &Matches) == 0) {
    for (size_t I = 0; I < Matches.gl_pathc; ++I) {
      std::string Path = Matches.gl_pathv[I];
      // A name a click could not load is left out rather than shown.
      if (checkRegularFile(Path, MaxAlgorithmFileBytes) != RegularFileStatus::Readable)
        continue;
      size_t Slash = Path.rfind('/');
      Names.push_back(Slash == std::string::npos ? Path : Path.substr(Slash + 1));
    }
  }
  globfree(&Matches);
  return Names;
}

SavedFileWindow newestThatFit(const std::vector<std::string> &Names, int MaxRows) {
  SavedFileWindow Window;
  if (MaxRows < 1)
    return Window;
  if (static_cast<int>(Names.size()) <= MaxRows) {
    Window.Shown = Names;
    return Window;
  }
  Window.Hidden = static_cast<int>(Names.size()) - (MaxRows - 1);
  Window.Shown.assign(Names.begin() + Window.Hidden, Names.end());
  return Window;
}

std::string hiddenFilesText(int Hidden) {
  return Hidden == 1 ? std::string("(1 aeltere Datei)")
                     : formatText("(%i aeltere Dateien)", Hidden);
}
