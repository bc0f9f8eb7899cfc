// Reading .alg files. A line is handed to the parser of the first keyword it
// contains that takes it; only the draw parser can decline (a "zeichne" line
// without a shape word), and the line then goes on to the later keywords.
#include "files/alg_reader.h"

#include <cstring>

#include "files/regular_file.h"
#include "model/algorithm.h"
#include "model/text_scan.h"
#include "model/variable.h"

namespace {

// Words of a line are separated by spaces and apostrophes; tabs do not
// separate them.
constexpr std::string_view WordSeparators = " '";

// The longest a piece read at once can be: one byte of the 1000-byte line
// buffer is the terminating zero.
constexpr size_t PieceLength = 999;

struct StartValue {
  const char *Name;
  int32_t Value;
};
const StartValue StartValues[AlgorithmFileReader::SlotCount] = {
    {"x", 0}, {"y", 0}, {"dx", 1}, {"dy", 1},   {"h", 0},
    {"v", 0}, {"d", 0}, {"n", 27}, {"max", 10}, {"min", 0}};

struct NamedSlot {
  const char *Name;
  AlgorithmFileReader::Slot Which;
};
// The order names are compared in.
const NamedSlot LookupOrder[] = {
    {"x", AlgorithmFileReader::X},     {"y", AlgorithmFileReader::Y},
    {"h", AlgorithmFileReader::H},     {"v", AlgorithmFileReader::V},
    {"d", AlgorithmFileReader::D},     {"n", AlgorithmFileReader::N},
    {"max", AlgorithmFileReader::Max}, {"min", AlgorithmFileReader::Min},
    {"dx", AlgorithmFileReader::Dx},   {"dy", AlgorithmFileReader::Dy}};

// A shape word and the kinds it names without and with the line's marker
// ("llte" for the filled solids, "linienzug" for the polylines).
struct ShapeWord {
  const char *Word;
  ShapeKind Plain;
  ShapeKind Marked;
};
const ShapeWord Solids[] = {{"quadrat", ShapeKind::Square, ShapeKind::FilledSquare},
                            {"kreis", ShapeKind::Circle, ShapeKind::FilledCircle},
                            {"blob", ShapeKind::Blob, ShapeKind::FilledBlob}};
const ShapeWord Strokes[] = {{"rasterlinie", ShapeKind::RasterLine, ShapeKind::RasterPolyline},
                             {"freie", ShapeKind::FreeLine, ShapeKind::FreePolyline},
                             {"weiche", ShapeKind::SoftLine, ShapeKind::SoftPolyline}};

int32_t firstShape(std::string_view Line, const ShapeWord (&Words)[3], bool Marked) {
  for (const ShapeWord &W : Words)
    if (contains(Line, W.Word))
      return static_cast<int32_t>(Marked ? W.Marked : W.Plain);
  return 0;
}

// The shape a "zeichne" line names, 0 for none. Polyline sentences also
// contain "linie", so "linienzug" decides between line and polyline.
int32_t drawKindOf(std::string_view Line) {
  if (const int32_t Solid = firstShape(Line, Solids, contains(Line, "llte")))
    return Solid;
  if (!contains(Line, "linie"))
    return 0;
  return firstShape(Line, Strokes, contains(Line, "linienzug"));
}

} // namespace

namespace {

// Where an arithmetic sentence keeps its target name and its constant (word
// numbers from 1, counted from the start of the line, not from the keyword),
// and the word that marks the variable-operand form, which adds nothing.
// "Subtrahiere %i von %s" itself contains "von": its variable form is told
// apart by "wert".
struct ArithmeticForm {
  const char *Keyword;
  ArithmeticOp Op;
  size_t NameWord;
  size_t ValueWord;
  const char *VariableMark;
};
const ArithmeticForm ArithmeticForms[] = {
    {"gib", ArithmeticOp::Give, 2, 5, "von"},
    {"addiere", ArithmeticOp::Add, 4, 2, "von"},
    {"subtrahiere", ArithmeticOp::Subtract, 4, 2, "wert"},
    {"multipliziere", ArithmeticOp::Multiply, 2, 4, "von"},
    {"dividiere", ArithmeticOp::Divide, 2, 4, "von"},
};

// A line that runs out of words before the last one the form reads adds
// nothing.
void parseArithmetic(const AlgorithmFileReader &Reader, std::string_view Line,
                     const ArithmeticForm &F) {
  if (contains(Line, F.VariableMark))
    return;
  std::string_view Words[5];
  const size_t Needed = F.NameWord > F.ValueWord ? F.NameWord : F.ValueWord;
  if (splitWords(Line, WordSeparators, Words, Needed) < Needed)
    return;
  Reader.algorithm()->appendArithmetic(Reader.findVariable(nameOfWord(Words[F.NameWord - 1])), F.Op,
                                       readInteger(Words[F.ValueWord - 1], NumberBase::Prefixed));
}

} // namespace

AlgorithmFileReader::AlgorithmFileReader() : Algo(std::make_unique<Algorithm>()) {
  for (int I = 0; I < SlotCount; ++I) {
    Vars[I] = std::make_unique<Variable>(StartValues[I].Value);
    Vars[I]->setName(StartValues[I].Name);
  }
}

AlgorithmFileReader::AlgorithmFileReader(const std::string &FilePath) : AlgorithmFileReader() {
  readFile(FilePath);
}

AlgorithmFileReader::~AlgorithmFileReader() = default;

// Only a regular file within the size limit is read: a pipe would wait for a
// writer and a device may never end. Either is refused like a missing file.
int AlgorithmFileReader::readFile(const std::string &FilePath) {
  Path = FilePath;
  const RegularFileContent File = readRegularFile(Path, MaxAlgorithmFileBytes);
  Status = File.readable() ? 0 : -1;
  if (File.readable()) {
    readBuffer(File.Bytes.data(), File.Bytes.size());
    return Status;
  }
  // The editor keeps its current algorithm; the console still says why.
  std::printf("\nDatei %s konnte nicht geoeffnet werden!!! :-(\n", Path.c_str());
  std::fflush(stdout);
  return Status;
}

void AlgorithmFileReader::readStream(FILE *Stream) {
  char Buffer[PieceLength + 1];
  while (std::fgets(Buffer, sizeof(Buffer), Stream))
    handlePiece(Buffer, std::strlen(Buffer));
}

void AlgorithmFileReader::readBuffer(const char *Data, size_t Size) {
  size_t Pos = 0;
  while (Pos < Size) {
    const size_t Limit = Size - Pos < PieceLength ? Size - Pos : PieceLength;
    const void *LineEnd = std::memchr(Data + Pos, '\n', Limit);
    const size_t Length =
        LineEnd ? static_cast<size_t>(static_cast<const char *>(LineEnd) - (Data + Pos)) + 1
                : Limit;
    handlePiece(Data + Pos, Length);
    Pos += Length;
  }
}

// A piece is a C string to the parsers: a zero byte ends it, as it ends a
// line that fgets delivers.
void AlgorithmFileReader::handlePiece(const char *Data, size_t Length) {
  if (const void *Zero = std::memchr(Data, '\0', Length))
    Length = static_cast<size_t>(static_cast<const char *>(Zero) - Data);
  Lower.assign(Data, Length);
  for (char &C : Lower)
    if (C >= 'A' && C <= 'Z')
      C = static_cast<char>(C - 'A' + 'a');
  parseLine(Lower);
}

void AlgorithmFileReader::parseLine(std::string_view Line) {
  if (!Algo)
    return;
  for (const auto &F : ArithmeticForms) {
    if (contains(Line, F.Keyword)) {
      parseArithmetic(*this, Line, F);
      return;
    }
  }
  if (contains(Line, "zeichne") && parseDraw(Line))
    return;
  if (contains(Line, "zufallswert")) {
    parseRandom(Line);
    return;
  }
  if (contains(Line, "wiederhole"))
    parseRepeat(Line);
}

bool AlgorithmFileReader::parseDraw(std::string_view Line) {
  const int32_t Kind = drawKindOf(Line);
  if (Kind == 0)
    return false;
  Algo->appendDraw(Kind);
  return true;
}

// The bounds are always the reader's own max and min, whatever the line
// names after "zwischen"; a line without a target name fills x.
void AlgorithmFileReader::parseRandom(std::string_view Line) {
  std::string_view Words[3];
  const size_t Count = splitWords(Line, WordSeparators, Words, 3);
  Variable *Target = Count == 3 ? findVariable(nameOfWord(Words[2])) : Vars[X].get();
  Algo->appendRandom(Target, Vars[Max].get(), Vars[Min].get());
}

void AlgorithmFileReader::parseRepeat(std::string_view Line) {
  if (contains(Line, "bis")) {
    Algo->appendRepeatEnd();
    return;
  }
  std::string_view Words[2];
  if (splitWords(Line, WordSeparators, Words, 2) == 2)
    Algo->appendRepeatStart(readInteger(Words[1], NumberBase::Prefixed));
}

Variable *AlgorithmFileReader::findVariable(std::string_view Name) const {
  for (const NamedSlot &Entry : LookupOrder)
    if (Name == Entry.Name)
      return Vars[Entry.Which].get();
  return Vars[X].get();
}

std::unique_ptr<Algorithm> AlgorithmFileReader::releaseAlgorithm() { return std::move(Algo); }

std::array<std::unique_ptr<Variable>, AlgorithmFileReader::SlotCount>
AlgorithmFileReader::releaseVariables() {
  return std::move(Vars);
}
