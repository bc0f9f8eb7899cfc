// Making a card: read, run, draw. Each card has a Session of its own seeded
// for its file alone, so one file's random numbers never depend on another's,
// and the Session (with the Drawing, the largest thing a card needs) is gone
// before the next card begins.
#include "render/render_card.h"

#include <new>

#include "exec/immediate_run.h"
#include "exec/session.h"
#include "files/alg_reader.h"
#include "files/bounded_file.h"
#include "files/reader_variables.h"
#include "model/algorithm.h"
#include "model/indentation.h"
#include "model/text_format.h"
#include "svg/svg_picture.h"

namespace {

void takeListing(Card &C, const Algorithm &A) {
  C.CommandCount = A.commandCount();
  for (const IndentedLine &Line : indentedLines(A)) {
    if (static_cast<int>(C.Listing.size()) >= MaxCardListingLines)
      break;
    C.Listing.push_back({Line.Level, Line.Cmd->text()});
  }
}

void drawCard(Card &C, std::string_view Bytes, const TextSink &Picture) {
  AlgorithmFileReader Reader;
  Reader.readBuffer(Bytes.data(), Bytes.size());
  Session S(C.Source.Seed);
  S.adopt(Reader.releaseAlgorithm(), takeReaderVariables(Reader));
  takeListing(C, S.algorithm());
  const ImmediateRunResult Run = runWholeAlgorithm(S);
  C.ShapeCount = S.drawing().count();
  if (Run.Outcome == ImmediateRunOutcome::StepCapReached)
    C.Outcome = CardOutcome::StepCapReached;
  SizeBound Bound(Picture, MaxVectorPictureBytes);
  if (!writeDrawingSvg(S.drawing(), Bound.sink()))
    C.Outcome = Bound.exceeded() ? CardOutcome::PictureTooLarge : CardOutcome::PictureNotWritten;
}

} // namespace

Card renderCard(const CardSource &Source, std::string_view Bytes, const TextSink &Picture) {
  if (Bytes.size() > MaxAlgorithmFileBytes)
    return unreadableCard(Source, RegularFileStatus::TooLarge);
  Card C;
  C.Source = Source;
  try {
    drawCard(C, Bytes, Picture);
  } catch (const std::bad_alloc &) {
    // Whatever the file held is freed by now; its card keeps only its name.
    C.Outcome = CardOutcome::OutOfMemory;
    C.Listing = std::vector<ListingLine>();
    C.ShapeCount = 0;
  }
  return C;
}

Card unreadableCard(const CardSource &Source, RegularFileStatus Why) {
  Card C;
  C.Source = Source;
  C.Outcome = CardOutcome::NotRead;
  C.ReadStatus = Why;
  return C;
}

std::string missingPictureText(const Card &C) {
  switch (C.Outcome) {
  case CardOutcome::Rendered:
  case CardOutcome::StepCapReached:
    return std::string();
  case CardOutcome::NotRead:
    if (C.ReadStatus == RegularFileStatus::TooLarge)
      return formatText("Kein Bild: Die Datei ist größer als %d MiB.",
                        static_cast<int>(MaxAlgorithmFileBytes >> 20));
    if (C.ReadStatus == RegularFileStatus::NotRegular)
      return "Kein Bild: Das ist keine gewöhnliche Datei.";
    return "Kein Bild: Die Datei kann nicht gelesen werden.";
  case CardOutcome::PictureTooLarge:
    return formatText("Kein Bild: Es wäre größer als %d MiB.",
                      static_cast<int>(MaxVectorPictureBytes >> 20));
  case CardOutcome::PictureNotWritten:
    return "Kein Bild: Es konnte nicht geschrieben werden.";
  case CardOutcome::OutOfMemory:
    return "Kein Bild: Für diese Datei reichte der Speicher nicht.";
  }
  return std::string();
}

std::string cardFacts(const Card &C) {
  std::string Facts = formatText("Startwert %d", static_cast<int>(C.Source.Seed));
  if (!C.hasPicture() && C.CommandCount == 0)
    return Facts;
  Facts += formatText(", %d %s", C.CommandCount, C.CommandCount == 1 ? "Befehl" : "Befehle");
  if (C.hasPicture())
    Facts += formatText(", %d %s", C.ShapeCount, C.ShapeCount == 1 ? "Form" : "Formen");
  if (C.Outcome == CardOutcome::StepCapReached)
    Facts += ", nach zu vielen Befehlen angehalten";
  return Facts;
}
