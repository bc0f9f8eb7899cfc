// The learner's work for the page's scripts, called straight from them:
// whether and when it changed and whether it is saved (the draft kept in
// storage, the question before a tab closes), the algorithm written to a
// file (the draft, a shared link) and a file opened as the current
// algorithm (a draft to continue with, the algorithm a link carries).
// Files go through the in-memory file system at fixed paths the scripts
// know (web/draft.js, web/share.js, web/shared_link.js), so no text crosses
// over as a pointer. Every function answers 0 for done; the scripts tell
// the learner what went wrong.
#include <cstdio>
#include <cstring>
#include <emscripten.h>
#include <string>

#include "files/alg_format.h"
#include "host/host.h"
#include "web/web_events.h"

namespace {

const char DraftPath[] = "/entwurf/aktuell.alg";
const char ContinuePath[] = "/entwurf/weiterarbeiten.alg";
const char SharedPath[] = "/geteilt/teilen.alg";
const char LinkPath[] = "/geteilt/link.alg";

/// What the scripts hear back.
enum WorkAnswer : int {
  Done = 0,
  /// The program has not started or has ended.
  NotRunning = 1,
  /// The file could not be written or read.
  FileFailed = 2,
  /// The file does not begin as every algorithm file does.
  NotAnAlgorithm = 3,
};

int writeAlgorithm(const char *Path) {
  Host *Lab = runningHost();
  if (!Lab)
    return NotRunning;
  const std::string Text = Lab->algorithmText();
  std::FILE *File = std::fopen(Path, "wb");
  if (!File)
    return FileFailed;
  const bool Written = std::fwrite(Text.data(), 1, Text.size(), File) == Text.size();
  return std::fclose(File) == 0 && Written ? Done : FileFailed;
}

// Opens the file as the list opens it; the work then counts as unsaved, as
// a draft or a link is no saved file of the learner's.
int openUnsavedAlgorithm(const char *Path) {
  Host *Lab = runningHost();
  if (!Lab || Lab->ended())
    return NotRunning;
  if (Lab->openAlgorithmFile(Path) != LoadResult::Loaded)
    return FileFailed;
  Lab->session().markWorkUnkept();
  return Done;
}

// Whether the file at Path begins with the header every algorithm file the
// program writes begins with: a link is only ever made from such a file, so
// any other text is no algorithm (the forgiving reader would make an empty
// one of it, or worse, some commands).
bool beginsAsAlgorithm(const char *Path) {
  const std::size_t Size = std::strlen(AlgorithmFileHeader);
  std::string Start(Size, '\0');
  std::FILE *File = std::fopen(Path, "rb");
  if (!File)
    return false;
  const std::size_t Read = std::fread(&Start[0], 1, Size, File);
  std::fclose(File);
  return Read == Size && Start == AlgorithmFileHeader;
}

} // namespace

extern "C" {

/// The revision of the learner's work; it changes with every change. A
/// double, as JavaScript holds numbers, exact far beyond any count a tab
/// reaches.
EMSCRIPTEN_KEEPALIVE double quovadrinWorkRevision() {
  Host *Lab = runningHost();
  return Lab ? static_cast<double>(Lab->workRevision()) : -1;
}

/// 1 when the algorithm changed since the start, the last save or load.
EMSCRIPTEN_KEEPALIVE int quovadrinUnsavedWork() {
  Host *Lab = runningHost();
  return Lab && !Lab->ended() && Lab->hasUnsavedWork() ? 1 : 0;
}

/// The algorithm as a save writes it, to the draft's file.
EMSCRIPTEN_KEEPALIVE int quovadrinWriteDraft() { return writeAlgorithm(DraftPath); }

/// Opens the draft to continue with, as an entry of the file list opens;
/// it stays unsaved work.
EMSCRIPTEN_KEEPALIVE int quovadrinContinueDraft() { return openUnsavedAlgorithm(ContinuePath); }

/// The algorithm as a save writes it, to the file a link is made from.
EMSCRIPTEN_KEEPALIVE int quovadrinWriteSharedAlgorithm() { return writeAlgorithm(SharedPath); }

/// Opens the algorithm a link carried, as an entry of the file list opens
/// (same reader, same limits), when it is an algorithm file at all.
EMSCRIPTEN_KEEPALIVE int quovadrinOpenSharedAlgorithm() {
  if (!runningHost())
    return NotRunning;
  if (!beginsAsAlgorithm(LinkPath))
    return NotAnAlgorithm;
  return openUnsavedAlgorithm(LinkPath);
}
}
