// One algorithm file made into one card of the class overview: its bytes
// read with the program's own reader and limits, run as the listing's whole
// preview runs it, its picture written as a stream through a size bound, and
// what the card shows (the listing, the facts, or why there is no picture).
// Everything arrives as bytes and leaves through a sink, so the desktop's
// --render and the web page's overview make their cards with the same code.
#ifndef QUOVADRIN_RENDER_RENDER_CARD_H
#define QUOVADRIN_RENDER_RENDER_CARD_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/regular_file.h"
#include "files/text_sink.h"

/// The most listing lines a card shows; a file at the size limit holds some
/// 350,000 commands, which no sheet of paper could carry. The card says how
/// many more there are.
constexpr int MaxCardListingLines = 500;

enum class CardOutcome {
  /// The run ended by itself and its picture was written.
  Rendered,
  /// The step cap stopped the run; the picture shows the Shapes made by then.
  StepCapReached,
  /// The file could not be read (see Card::ReadStatus): no picture.
  NotRead,
  /// The picture would have been larger than MaxVectorPictureBytes: none.
  PictureTooLarge,
  /// The run was made but its picture could not be written.
  PictureNotWritten,
  /// Reading or running the file needed more memory than there was.
  OutOfMemory,
};

/// One line of the listing: a command's sentence and its repeat depth.
struct ListingLine {
  int Level = 0;
  std::string Text;
};

/// Where a card's file comes from and what it is called.
struct CardSource {
  std::string FileName;    ///< the file's own name, without its folder
  std::string Group;       ///< the title of its group; empty without groups
  std::string Title;       ///< the card's heading (the file name, or more)
  std::string PictureName; ///< the picture's file name, NAME.svg
  int32_t Seed = 1;        ///< the seed its run starts with
};

struct Card {
  CardSource Source;
  CardOutcome Outcome = CardOutcome::Rendered;
  /// Why a file was not read (NotRead only).
  RegularFileStatus ReadStatus = RegularFileStatus::Readable;
  int ShapeCount = 0;
  /// All commands of the file; Listing holds at most MaxCardListingLines.
  int CommandCount = 0;
  std::vector<ListingLine> Listing;

  bool hasPicture() const {
    return Outcome == CardOutcome::Rendered || Outcome == CardOutcome::StepCapReached;
  }
};

/// Reads \p Bytes as an algorithm file (refused like a file when larger
/// than MaxAlgorithmFileBytes), runs it seeded with the source's seed, and
/// writes its picture through \p Picture, at most MaxVectorPictureBytes of
/// it. When the card has no picture, what went through \p Picture is only a
/// part and must be thrown away. Running out of memory ends only this card.
Card renderCard(const CardSource &Source, std::string_view Bytes, const TextSink &Picture);

/// The card of a file that could not be read, for the reason \p Why.
Card unreadableCard(const CardSource &Source, RegularFileStatus Why);

/// Why a card has no picture, one German sentence for the card itself; empty
/// for a card with a picture.
std::string missingPictureText(const Card &C);

/// The card's facts line: its seed, how many Shapes and commands, and
/// whether the step cap stopped it.
std::string cardFacts(const Card &C);

#endif
