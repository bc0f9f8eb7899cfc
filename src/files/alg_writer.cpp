// The save action. The message is chosen only after the writes, so the
// learner is never told "gespeichert" about a save that failed.
#include "files/alg_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include "files/alg_format.h"
#include "files/atomic_file.h"
#include "model/text_format.h"

namespace {

const char AlgorithmFolder[] = "vorpAlgorithms";
const char PictureFolder[] = "vorpImages";

// A fresh working directory has neither folder; an existing one is fine.
void ensureFolder(const char *Name) { mkdir(Name, 0777); }

bool exists(const std::string &Path) { return access(Path.c_str(), F_OK) == 0; }

// The names of the next save. A name already taken belongs to earlier work
// (a start in the same second, or more than 256 saves in one run), so the
// save takes the next free letter instead of writing over it; a '/' would
// name a folder. False when all 256 letters are taken.
bool nextFreeNames(const std::string &SeedText, int &SaveLetter, SaveNames &Names) {
  for (int Tries = 0; Tries < 256; ++Tries) {
    ++SaveLetter;
    if ((SaveLetter & 0xFF) == '/')
      continue;
    Names = saveNames(SeedText, saveLetterText(SaveLetter));
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

std::string saveLetterText(int SaveLetter) {
  const char Byte = static_cast<char>(SaveLetter & 0xFF);
  return Byte == 0 ? std::string() : std::string(1, Byte);
}

SaveNames saveNames(const std::string &SeedText, const std::string &Letter) {
  const char *Seed = SeedText.c_str();
  const char *L = Letter.c_str();
  SaveNames Names;
  Names.AlgorithmPath = formatText("vorpAlgorithms/seed_%s-%s.alg", Seed, L);
  Names.PicturePath = formatText("vorpImages/seed_%s-%s.png", Seed, L);
  Names.VectorPicturePath = formatText("vorpImages/seed_%s-%s.svg", Seed, L);
  Names.Confirmation = formatText("seed_%s-%s gespeichert", Seed, L);
  Names.ConfirmationWithoutVector =
      formatText("seed_%s-%s gespeichert (SVG nicht gespeichert)", Seed, L);
  Names.Failure = formatText("seed_%s-%s nicht gespeichert", Seed, L);
  return Names;
}

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

SaveOutcome saveAlgorithmFiles(Algorithm &A, const std::string &SeedText, int &SaveLetter,
                               const SaveContent &Content, const FileOperations &Files) {
  ensureFolder(AlgorithmFolder);
  ensureFolder(PictureFolder);
  SaveNames Names;
  SaveOutcome Outcome;
  if (!nextFreeNames(SeedText, SaveLetter, Names)) {
    Outcome.Result = FileResult::FileFailed;
    Outcome.Message = Names.Failure;
    return Outcome;
  }
  Outcome.Result = writePicture(Content, Names.PicturePath, Files);
  if (Outcome.Result == FileResult::Done)
    Outcome.Result = writeAlgorithmFile(A, Names.AlgorithmPath, Files);
  if (Outcome.Result != FileResult::Done) {
    Outcome.Message = Names.Failure;
    return Outcome;
  }
  Outcome.Message = Names.Confirmation;
  if (!Content.VectorPicture)
    return Outcome;
  Outcome.VectorPictureWritten = Files.writeText(Names.VectorPicturePath, Content.VectorPicture());
  if (!Outcome.VectorPictureWritten)
    Outcome.Message = Names.ConfirmationWithoutVector;
  return Outcome;
}
