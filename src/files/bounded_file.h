// Files whose size the learner's program decides: a vector picture grows with
// every Shape, and a program of a few lines can make millions of them. Such a
// file is written as a stream through a size bound; beyond the bound nothing
// is written at all, so no disk fills up and no half picture is left behind.
#ifndef QUOVADRIN_FILES_BOUNDED_FILE_H
#define QUOVADRIN_FILES_BOUNDED_FILE_H

#include <cstddef>
#include <string>

#include "files/file_operations.h"
#include "files/text_sink.h"

/// The largest vector picture written: a save's .svg, a picture of --render,
/// a picture of the page's overview. A lesson's pictures stay far below it:
/// the example algorithm's is 1.3 KB, 500 Shapes of every kind about 700 KB,
/// and 32 MiB still holds some 26,000 circles (1.3 KB each) or 340 soft
/// polylines of 400 points (97 KB each). Browsers and printers become slow
/// well before it.
constexpr std::size_t MaxVectorPictureBytes = std::size_t{32} << 20;

enum class BoundedWriteResult {
  Written,
  /// The text would have been larger than the bound: nothing was written.
  TooLarge,
  /// The file could not be created, written or put in place.
  Failed,
};

/// Passes bytes on to a sink until \p MaxBytes have gone through, and refuses
/// every byte beyond them.
class SizeBound {
public:
  SizeBound(TextSink Inner, std::size_t MaxBytes) : Out(std::move(Inner)), Limit(MaxBytes) {}

  /// The bounded sink; valid as long as this object.
  TextSink sink() {
    return [this](const char *Data, std::size_t Size) { return write(Data, Size); };
  }
  bool write(const char *Data, std::size_t Size);
  /// Whether a write was refused because of the bound (not of the sink).
  bool exceeded() const { return Exceeded; }
  std::size_t written() const { return Written; }

private:
  TextSink Out;
  std::size_t Limit;
  std::size_t Written = 0;
  bool Exceeded = false;
};

/// Writes what \p Produce writes to \p Path through \p Files, by way of a
/// temporary file, but only when it stays within \p MaxBytes; otherwise, or
/// when any part of writing fails, whatever the path held before stays.
[[nodiscard]] BoundedWriteResult writeBoundedFile(const std::string &Path, std::size_t MaxBytes,
                                                  const TextProducer &Produce,
                                                  const FileOperations &Files);

#endif
