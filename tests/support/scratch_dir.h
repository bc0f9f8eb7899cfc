// Test helper: a fresh temporary directory that is the working directory for
// the lifetime of the object, so file tests use the program's relative paths
// without touching the repository. Also small file helpers.
#ifndef QUOVADRIN_TESTS_SCRATCH_DIR_H
#define QUOVADRIN_TESTS_SCRATCH_DIR_H

#include <algorithm>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <unistd.h>
#include <vector>

class ScratchDir {
public:
  ScratchDir() {
    char Template[] = "/tmp/quovadrin-test-XXXXXX";
    if (!mkdtemp(Template))
      throw std::runtime_error("mkdtemp failed");
    Dir = Template;
    char Here[4096];
    if (!getcwd(Here, sizeof(Here)) || chdir(Dir.c_str()) != 0)
      throw std::runtime_error("cannot enter the scratch directory");
    Previous = Here;
  }
  ~ScratchDir() {
    if (chdir(Previous.c_str()) != 0)
      return;
    nftw(Dir.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
  }
  ScratchDir(const ScratchDir &) = delete;
  ScratchDir &operator=(const ScratchDir &) = delete;

private:
  static int removeEntry(const char *Path, const struct stat *, int, struct FTW *) {
    std::remove(Path);
    return 0;
  }

  std::string Dir;
  std::string Previous;
};

/// The whole content of a file, "<missing>" when it cannot be read.
inline std::string fileContent(const std::string &Path) {
  std::ifstream In(Path, std::ios::binary);
  if (!In)
    return "<missing>";
  std::ostringstream Out;
  Out << In.rdbuf();
  return Out.str();
}

inline void writeFile(const std::string &Path, const std::string &Content) {
  std::ofstream Out(Path, std::ios::binary);
  Out << Content;
}

/// The names in a directory, sorted, without "." and "..".
inline std::vector<std::string> directoryEntries(const std::string &Path) {
  std::vector<std::string> Names;
  if (DIR *D = opendir(Path.c_str())) {
    while (dirent *E = readdir(D)) {
      std::string Name = E->d_name;
      if (Name != "." && Name != "..")
        Names.push_back(Name);
    }
    closedir(D);
  }
  std::sort(Names.begin(), Names.end());
  return Names;
}

#endif
