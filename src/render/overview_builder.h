// The class overview made one card at a time, for the web page: the files
// are named first (a path and the folder each came from), planned once as
// --render plans them, then drawn one per call from the bytes the page reads
// for that card just then, so the page can tell how far it is and holds no
// more than one file's bytes at a time. The pictures are kept, within the
// overview's budget, and the page is written exactly as --render writes it
// for the same files and folders.
#ifndef QUOVADRIN_RENDER_OVERVIEW_BUILDER_H
#define QUOVADRIN_RENDER_OVERVIEW_BUILDER_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/regular_file.h"
#include "files/text_sink.h"
#include "render/overview_page.h"
#include "render/render_card.h"
#include "render/render_plan.h"

/// What became of drawing one card.
enum class OverviewStep {
  /// The card was drawn (with its picture, or saying why it has none).
  Drawn,
  /// The file is the one before it once more (same group, name and bytes:
  /// a backup .zip beside the files it holds) and gets no card of its own.
  SameAsBefore,
};

class OverviewBuilder {
public:
  /// An overview that embeds at most \p EmbedBudget bytes of pictures, as
  /// writeOverview counts them.
  explicit OverviewBuilder(std::size_t EmbedBudget = MaxEmbeddedPictureBytes)
      : Budget(EmbedBudget) {}

  /// Names a file to draw; returns its number, which nextFile() gives back
  /// when its card is due. Only before plan().
  std::size_t addFile(const std::string &Path, const std::string &Folder);
  /// Orders the files, titles the groups and cards and finds each seed, as
  /// planCards does; files with a seedless name start from \p Seed, else 1.
  void plan(std::optional<int32_t> Seed = std::nullopt);

  std::size_t plannedCount() const { return Plan.size(); }
  /// How many planned cards are done (drawn or passed over as the same).
  std::size_t doneCount() const { return Done; }
  bool finished() const { return Done == Plan.size(); }
  /// The number (from addFile) of the file whose card is due; only while
  /// not finished.
  std::size_t nextFile() const { return Plan[Done].File; }

  /// Makes the due card from its file's bytes.
  OverviewStep drawNext(std::string_view Bytes);
  /// The due card's file could not be read, for the reason \p Why.
  void skipNext(RegularFileStatus Why);

  /// The cards made so far, in overview order.
  const std::vector<Card> &cards() const { return Cards; }
  /// The picture of cards()[Index] as its SVG document; empty when it has
  /// none, or when it came after the embedding budget was spent.
  const std::string &picture(std::size_t Index) const { return Pictures[Index]; }

  /// Writes the overview page of the cards through \p Out, the pictures
  /// embedded as far as the budget goes. False when \p Out
  /// refused.
  [[nodiscard]] bool writePage(const TextSink &Out) const;

private:
  struct PlannedEntry {
    PlannedCard Planned;
    std::size_t File = 0;
  };

  void keep(Card C, std::string Picture);
  void titleSameNames();

  std::size_t Budget;
  std::vector<PlannedFile> Files;
  std::vector<PlannedEntry> Plan;
  std::size_t Done = 0;
  std::vector<Card> Cards;
  std::vector<std::string> Pictures;
  /// The picture bytes kept so far, counted as the page embeds them.
  std::size_t KeptPictureBytes = 0;
  /// The bytes of the last card drawn, to know the same file again.
  std::string LastBytes;
};

#endif
