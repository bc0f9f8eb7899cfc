// The size bound and the bounded file.
#include "files/bounded_file.h"

#include "files/atomic_file.h"

bool SizeBound::write(const char *Data, std::size_t Size) {
  if (Exceeded || Size > Limit - Written) {
    Exceeded = true;
    return false;
  }
  if (!Out(Data, Size))
    return false;
  Written += Size;
  return true;
}

BoundedWriteResult writeBoundedFile(const std::string &Path, std::size_t MaxBytes,
                                    const TextProducer &Produce, const FileOperations &Files) {
  AtomicFile File(Path, Files);
  if (!File.isOpen())
    return BoundedWriteResult::Failed;
  SizeBound Bound([&File](const char *Data, std::size_t Size) { return File.write(Data, Size); },
                  MaxBytes);
  const bool Complete = Produce(Bound.sink());
  if (Bound.exceeded())
    return BoundedWriteResult::TooLarge;
  if (!Complete || !File.commit())
    return BoundedWriteResult::Failed;
  return BoundedWriteResult::Written;
}
