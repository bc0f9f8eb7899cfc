// The .alg writer proper. Lines go out one at a time, so a sink that fails
// midway is noticed at the line where it happened.
#include "files/alg_format.h"

#include <string_view>

#include "model/algorithm.h"

const char AlgorithmFileHeader[] = "*************************************\r\n"
                                   "*    Quovadrin Algorithmus Datei    *\r\n"
                                   "*************************************\r\n"
                                   "\r\n";

namespace {

// The next word separated by spaces (empty ones skipped), starting at Pos.
std::string_view nextWord(std::string_view Text, size_t &Pos) {
  while (Pos < Text.size() && Text[Pos] == ' ')
    ++Pos;
  const size_t Start = Pos;
  while (Pos < Text.size() && Text[Pos] != ' ')
    ++Pos;
  return Text.substr(Start, Pos - Start);
}

} // namespace

RepeatMark repeatMarkOf(const std::string &Sentence) {
  size_t Pos = 0;
  const std::string_view Text(Sentence);
  if (nextWord(Text, Pos) != "Wiederhole")
    return RepeatMark::None;
  const std::string_view Second = nextWord(Text, Pos);
  // A lone "Wiederhole" is no sentence the model makes; it opens nothing.
  if (Second.empty())
    return RepeatMark::None;
  return Second == "bis" ? RepeatMark::End : RepeatMark::Start;
}

bool writeAlgorithmText(Algorithm &A, const TextSink &Sink) {
  if (!Sink(AlgorithmFileHeader, sizeof(AlgorithmFileHeader) - 1))
    return false;
  // The level may go below zero (an end without a start); lines are then
  // unindented until enough starts have raised it again.
  int Level = 0;
  bool Ok = true;
  std::string Line;
  for (Command *C = A.rewind(); C && Ok; C = A.moveNext()) {
    const RepeatMark Mark = repeatMarkOf(C->text());
    if (Mark == RepeatMark::End)
      --Level;
    Line.assign(Level > 0 ? static_cast<size_t>(Level) * 2 : 0, ' ');
    Line += C->text();
    Line += "\r\n";
    Ok = Sink(Line.data(), Line.size());
    if (Mark == RepeatMark::Start)
      ++Level;
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
