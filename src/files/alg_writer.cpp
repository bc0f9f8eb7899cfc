// The save action. The message is raised only after both writes, so the
// learner is never told "gespeichert" about a save that failed.
#include "files/alg_writer.h"

#include <sys/stat.h>

#include "app/app_state.h"
#include "files/alg_format.h"
#include "files/atomic_file.h"
#include "model/algorithm.h"
#include "model/text_format.h"

namespace {

const char AlgorithmFolder[] = "vorpAlgorithms";
const char PictureFolder[] = "vorpImages";

// A fresh working directory has neither folder; an existing one is fine.
void ensureFolder(const char *Name) { mkdir(Name, 0777); }

int writePicture(const std::string &Path) {
  if (!app.hooks.writeCanvasPicture)
    return -1; // no window to take the picture from
  // The canvas is the middle half of the screen, over its whole height.
  const int X = static_cast<int>(0.25 * app.screenWidth);
  const int Width = static_cast<int>(0.5 * app.screenWidth);
  return app.hooks.writeCanvasPicture(Path, X, 0, Width, app.screenHeight);
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
  Names.Confirmation = formatText("seed_%s-%s gespeichert", Seed, L);
  Names.Failure = formatText("seed_%s-%s nicht gespeichert", Seed, L);
  return Names;
}

int writeAlgorithmFile(Algorithm &A, const std::string &Path) {
  AtomicFile File(Path);
  if (!File.isOpen())
    return -1;
  const bool Written = writeAlgorithmText(
      A, [&File](const char *Data, size_t Size) { return File.write(Data, Size); });
  if (!Written || !File.commit())
    return -1;
  return 0;
}

int saveAlgorithmFiles() {
  ++app.saveLetter;
  const SaveNames Names = saveNames(app.seedText, saveLetterText(app.saveLetter));
  ensureFolder(AlgorithmFolder);
  ensureFolder(PictureFolder);

  int Result = writePicture(Names.PicturePath);
  if (Result == 0) {
    if (app.algorithm) {
      Result = writeAlgorithmFile(*app.algorithm, Names.AlgorithmPath);
    } else {
      Algorithm Empty;
      Result = writeAlgorithmFile(Empty, Names.AlgorithmPath);
    }
  }
  raiseMessage(Result == 0 ? Names.Confirmation : Names.Failure);
  return Result;
}
