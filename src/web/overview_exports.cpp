// The page's overview module: --render's cards and page compiled for the
// browser, run in a worker of their own (web/overview_worker.js) and loaded
// only when a teacher asks for an overview, so the program itself stays as
// small and starts as fast as before. The worker names the files, then
// asks for one card at a time and hands over just that file's bytes, so it
// can tell how far it is; the pictures and the page come back in pieces
// through Module.onOverviewPage. One overview at a time: the worker's
// module is its platform, and this adapter keeps the one builder.
#include <cstddef>
#include <emscripten.h>
#include <memory>
#include <string>

#include "render/overview_builder.h"

namespace {

std::unique_ptr<OverviewBuilder> Current;

EM_JS(int, passPagePiece, (const char *Data, std::size_t Size), {
  Module.onOverviewPage(HEAPU8.slice(Data, Data + Size));
  return 1;
});

std::string textOf(const char *Data, std::size_t Size) {
  return Size ? std::string(Data, Size) : std::string();
}

/// Why the page could not read a file, as the worker names it.
enum class UnreadReason : int { TooLarge = 1, NotRegular = 2, CannotOpen = 3 };

RegularFileStatus statusOf(int Reason) {
  const auto Why = static_cast<UnreadReason>(Reason);
  if (Why == UnreadReason::TooLarge)
    return RegularFileStatus::TooLarge;
  return Why == UnreadReason::NotRegular ? RegularFileStatus::NotRegular
                                         : RegularFileStatus::CannotOpen;
}

} // namespace

extern "C" {

/// Begins a new overview; the last one is forgotten.
EMSCRIPTEN_KEEPALIVE void quovadrinOverviewBegin() {
  Current = std::make_unique<OverviewBuilder>();
}

/// Names a file (its path and the folder it came from, UTF-8); returns its
/// number.
EMSCRIPTEN_KEEPALIVE int quovadrinOverviewAdd(const char *Path, std::size_t PathSize,
                                              const char *Folder, std::size_t FolderSize) {
  return static_cast<int>(Current->addFile(textOf(Path, PathSize), textOf(Folder, FolderSize)));
}

/// Plans the cards; returns how many there are.
EMSCRIPTEN_KEEPALIVE int quovadrinOverviewPlan() {
  Current->plan();
  return static_cast<int>(Current->plannedCount());
}

/// The number of the file whose card is due, or -1 when all are done.
EMSCRIPTEN_KEEPALIVE int quovadrinOverviewNextFile() {
  return Current->finished() ? -1 : static_cast<int>(Current->nextFile());
}

/// Draws the due card from its file's bytes; returns the cards done.
EMSCRIPTEN_KEEPALIVE int quovadrinOverviewDraw(const char *Bytes, std::size_t Size) {
  (void)Current->drawNext(std::string_view(Bytes, Size));
  return static_cast<int>(Current->doneCount());
}

/// The due card's file could not be read (an UnreadReason); returns the
/// cards done.
EMSCRIPTEN_KEEPALIVE int quovadrinOverviewSkip(int Reason) {
  Current->skipNext(statusOf(Reason));
  return static_cast<int>(Current->doneCount());
}

/// How many cards the page shows, and how many of them have no picture.
EMSCRIPTEN_KEEPALIVE int quovadrinOverviewCards() {
  return static_cast<int>(Current->cards().size());
}
EMSCRIPTEN_KEEPALIVE int quovadrinOverviewWithoutPicture() {
  int Count = 0;
  for (const Card &C : Current->cards())
    Count += C.hasPicture() ? 0 : 1;
  return Count;
}

/// Writes the page through Module.onOverviewPage, in pieces of some
/// hundred KiB rather than one per line; 0 when it was written.
EMSCRIPTEN_KEEPALIVE int quovadrinOverviewWrite() {
  constexpr std::size_t PieceBytes = 256 * 1024;
  std::string Piece;
  Piece.reserve(PieceBytes);
  const auto Pass = [&Piece]() {
    const bool Passed = Piece.empty() || passPagePiece(Piece.data(), Piece.size()) != 0;
    Piece.clear();
    return Passed;
  };
  const bool Written = Current->writePage([&](const char *Data, std::size_t Size) {
    Piece.append(Data, Size);
    return Piece.size() < PieceBytes || Pass();
  });
  return Written && Pass() ? 0 : 1;
}
}
