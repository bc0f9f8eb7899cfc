// The save action. The message is chosen only after the writes, so the
// learner is never told "gespeichert" about a save that failed.
#include "files/alg_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include "files/alg_format.h"
#include "files/atomic_file.h"
#include "files/bounded_file.h"
#include "files/regular_file.h"

namespace {

const char AlgorithmFolder[] = "vorpAlgorithms";
const char PictureFolder[] = "vorpImages";

// A fresh working directory has neither folder; an existing one is fine.
void ensureFolder(const char *Name) { mkdir(Name, 0777); }

bool exists(const std::string &Path) { return access(Path.c_str(), F_OK) == 0; }

// How many taken names a save passes over before it gives up: a name already
// taken belongs to earlier work (a start in the same second, a folder shared
// with another computer), which is never written over.
constexpr int MaxTakenNames = 1000;

// The names of the next save whose three files are all free. False when the
// session has made its last save or too many names in a row were taken.
bool nextFreeNames(const std::string &SeedText, int &SaveCounter, SaveNames &Names) {
  for (int Tries = 0; Tries < MaxTakenNames; ++Tries) {
    if (SaveCounter - InitialSaveCounter >= MaxSavesPerSession)
      return false;
    ++SaveCounter;
    Names = saveNames(SeedText, saveLetterText(SaveCounter));
    if (!exists(Names.AlgorithmPath) && !exists(Names.PicturePath) &&
        !exists(Names.VectorPicturePath))
      return true;
  }
  return false;
}

// Without a window there is no picture to take.
FileResult writePicture(const SaveContent &Content, const std::string &Path,
                        const FileOperations &Files) {
  if (!Content.Picture)
    return FileResult::FileFailed;
  const GrayImage Picture = Content.Picture();
  return writeGrayPngBytes(Path, Picture.Rows.data(), Picture.Width, Picture.Height, Files);
}

} // namespace

FileResult writeAlgorithmFile(Algorithm &A, const std::string &Path, const FileOperations &Files) {
  AtomicFile File(Path, Files);
  if (!File.isOpen())
    return FileResult::FileFailed;
  const bool Written = writeAlgorithmText(
      A, [&File](const char *Data, size_t Size) { return File.write(Data, Size); });
  if (!Written || !File.commit())
    return FileResult::FileFailed;
  return FileResult::Done;
}

namespace {

// The vector picture is the one file whose size the learner's program sets
// without bound, so it goes through the size bound.
VectorPictureOutcome writeVectorPicture(const SaveContent &Content, const std::string &Path,
                                        const FileOperations &Files) {
  switch (writeBoundedFile(Path, MaxVectorPictureBytes, Content.VectorPicture, Files)) {
  case BoundedWriteResult::Written:
    return VectorPictureOutcome::Written;
  case BoundedWriteResult::TooLarge:
    return VectorPictureOutcome::TooLarge;
  case BoundedWriteResult::Failed:
    break;
  }
  return VectorPictureOutcome::Failed;
}

const std::string &confirmation(const SaveOutcome &Outcome) {
  switch (Outcome.VectorPicture) {
  case VectorPictureOutcome::TooLarge:
    return Outcome.Names.ConfirmationVectorTooLarge;
  case VectorPictureOutcome::Failed:
    return Outcome.Names.ConfirmationWithoutVector;
  case VectorPictureOutcome::NotWritten:
  case VectorPictureOutcome::Written:
    break;
  }
  return Outcome.Names.Confirmation;
}

} // namespace

SaveOutcome saveAlgorithmFiles(Algorithm &A, const std::string &SeedText, int &SaveCounter,
                               const SaveContent &Content, const FileOperations &Files) {
  ensureFolder(AlgorithmFolder);
  ensureFolder(PictureFolder);
  SaveOutcome Outcome;
  Outcome.NamesFound = nextFreeNames(SeedText, SaveCounter, Outcome.Names);
  if (!Outcome.NamesFound) {
    // No name is free: the message names the save as it would have been.
    Outcome.Result = FileResult::FileFailed;
    Outcome.Message = saveNames(SeedText, saveLetterText(SaveCounter + 1)).Failure;
    Outcome.Names = SaveNames();
    return Outcome;
  }
  Outcome.AlgorithmTooLarge = !algorithmTextFits(A, MaxAlgorithmFileBytes);
  if (Outcome.AlgorithmTooLarge) {
    Outcome.Result = FileResult::FileFailed;
    Outcome.Message = Outcome.Names.FailureTooLarge;
    return Outcome;
  }
  Outcome.Result = writePicture(Content, Outcome.Names.PicturePath, Files);
  Outcome.PictureWritten = Outcome.Result == FileResult::Done;
  if (Outcome.PictureWritten)
    Outcome.Result = writeAlgorithmFile(A, Outcome.Names.AlgorithmPath, Files);
  Outcome.AlgorithmWritten = Outcome.PictureWritten && Outcome.Result == FileResult::Done;
  if (!Outcome.AlgorithmWritten) {
    Outcome.Message = Outcome.Names.Failure;
    return Outcome;
  }
  if (Content.VectorPicture)
    Outcome.VectorPicture = writeVectorPicture(Content, Outcome.Names.VectorPicturePath, Files);
  Outcome.Message = confirmation(Outcome);
  return Outcome;
}
