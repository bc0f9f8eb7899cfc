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
  bool Ok = true;
  std::string Line;
  for (const IndentedLine &Indented : indentedLines(A)) {
    Line.assign(static_cast<size_t>(Indented.Level) * 2, ' ');
    Line += Indented.Cmd->text();
    Line += "\r\n";
    Ok = Sink(Line.data(), Line.size());
    if (!Ok)
      break;
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

bool algorithmTextFits(const Algorithm &A, std::size_t MaxBytes) {
  std::size_t Size = sizeof(AlgorithmFileHeader) - 1;
  for (const IndentedLine &Line : indentedLines(A)) {
    Size += static_cast<std::size_t>(Line.Level) * 2 + Line.Cmd->text().size() + 2;
    if (Size > MaxBytes)
      return false;
  }
  return Size <= MaxBytes;
}
