// Reads .alg files and writes them again in memory, to show that what the
// program saved reads back into the same commands: names each file whose
// text would change and exits with 1 if there is one.
//   quovadrin_alg_check FILE...
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "files/alg_format.h"
#include "files/alg_reader.h"
#include "model/algorithm.h"

namespace {

std::string contentOf(const char *Path) {
  std::ifstream In(Path, std::ios::binary);
  std::ostringstream Text;
  Text << In.rdbuf();
  return Text.str();
}

} // namespace

int main(int ArgCount, char **Args) {
  int Status = 0;
  for (int I = 1; I < ArgCount; ++I) {
    AlgorithmFileReader Reader(Args[I]);
    if (!Reader.opened()) {
      Status = 1;
      continue;
    }
    if (algorithmText(*Reader.algorithm()) != contentOf(Args[I])) {
      std::printf("%s: writes back to other bytes\n", Args[I]);
      Status = 1;
    }
  }
  return Status;
}
