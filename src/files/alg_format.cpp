// The .alg writer proper. Lines go out one at a time, so a sink that fails
// midway is noticed at the line where it happened.
#include "files/alg_format.h"

#include "model/algorithm.h"
#include "model/indentation.h"

const char AlgorithmFileHeader[] = "*************************************\r\n"
                                   "*    Quovadrin Algorithmus Datei    *\r\n"
                                   "*************************************\r\n"
                                   "\r\n";

bool writeAlgorithmText(Algorithm &A, const TextSink &Sink) {
  if (!Sink(AlgorithmFileHeader, sizeof(AlgorithmFileHeader) - 1))
    return false;
  Indentation Levels;
  bool Ok = true;
  std::string Line;
  for (const Command *C = A.head(); C && Ok; C = C->next()) {
    Line.assign(static_cast<size_t>(Levels.levelOf(C->kind())) * 2, ' ');
    Line += C->text();
    Line += "\r\n";
    Ok = Sink(Line.data(), Line.size());
  }
  A.rewind();
  return Ok;
}

std::string algorithmText(Algorithm &A) {
  std::string Text;
  writeAlgorithmText(A, [&Text](const char *Data, size_t Size) {
    Text.append(Data, Size);
    return true;
  });
  return Text;
}
