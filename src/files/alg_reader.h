// The forgiving .alg reader: it reads a file line by line into a fresh
// Algorithm over its own ten Variables, recognising each line by keywords
// in any letter case and skipping whatever it does not recognise.
#ifndef QUOVADRIN_FILES_ALG_READER_H
#define QUOVADRIN_FILES_ALG_READER_H

#include <array>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

class Algorithm;
class Variable;

class AlgorithmFileReader {
public:
  /// The reader's ten Variables, in the order of the file format's table.
  enum Slot { X, Y, Dx, Dy, H, V, D, N, Max, Min, SlotCount };

  /// An empty Algorithm and the ten Variables at their start values; nothing
  /// read yet.
  AlgorithmFileReader();
  /// Reads the file at \p Path completely; see opened().
  explicit AlgorithmFileReader(const std::string &Path);
  ~AlgorithmFileReader();
  AlgorithmFileReader(const AlgorithmFileReader &) = delete;
  AlgorithmFileReader &operator=(const AlgorithmFileReader &) = delete;

  /// Reads a file. When it cannot be opened or read, is not a regular file
  /// or is larger than MaxAlgorithmFileBytes, reads nothing of it, says so
  /// on standard output and returns -1; the caller should then ignore the
  /// Algorithm. 0 otherwise.
  int readFile(const std::string &Path);
  /// Reads an open stream to its end, in pieces of at most 999 bytes.
  void readStream(FILE *Stream);
  /// Reads bytes in memory exactly as readStream would read them from a file.
  void readBuffer(const char *Data, size_t Size);

  /// 0 after a successful read, -1 when the last file could not be opened.
  int status() const { return Status; }
  bool opened() const { return Status == 0; }
  const std::string &path() const { return Path; }

  /// Classifies one lower-case line and appends what it describes.
  void parseLine(std::string_view Line);
  /// The Variable named exactly \p Name, or x for any other word.
  Variable *findVariable(std::string_view Name) const;

  // What the read produced; null once released.
  Algorithm *algorithm() const { return Algo.get(); }
  Variable *variable(Slot Which) const { return Vars[Which].get(); }

  /// Hand-over to the editor: the Algorithm and the Variables its Commands
  /// refer to. Take both and keep the Variables at least as long as the
  /// Algorithm; the reader appends nothing after a release.
  std::unique_ptr<Algorithm> releaseAlgorithm();
  std::array<std::unique_ptr<Variable>, SlotCount> releaseVariables();

private:
  void handlePiece(const char *Data, size_t Length);
  /// False when the line names no shape, so later keywords get their turn.
  bool parseDraw(std::string_view Line);
  void parseRandom(std::string_view Line);
  void parseRepeat(std::string_view Line);

  std::unique_ptr<Algorithm> Algo;
  std::array<std::unique_ptr<Variable>, SlotCount> Vars;
  std::string Path;
  std::string Lower; ///< the lower-case copy of the current piece
  int Status = 0;
};

#endif
