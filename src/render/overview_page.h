// The class overview: one HTML page, in German, with every picture beside
// the listing that drew it, the cards grouped by the folder (or archive) the
// files came from and titled by it. The pictures are embedded, so the page
// is one file that can be mailed or moved, and its lines can be drawn
// visibly on screen. It reads on screen and prints on A4 with several
// pictures to a sheet. Written as a stream: the desktop's --render fills it
// from the pictures it has just written, the web page from the ones it
// holds.
#ifndef QUOVADRIN_RENDER_OVERVIEW_PAGE_H
#define QUOVADRIN_RENDER_OVERVIEW_PAGE_H

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "files/text_sink.h"
#include "render/render_card.h"

/// The page's name in the output folder.
constexpr char OverviewPageName[] = "index.html";

/// How many bytes of pictures one overview embeds. A class's pictures take a
/// few MB; a browser opens a page of this size in a few seconds. Cards after
/// the budget is spent show their picture from its file beside the page
/// instead.
constexpr std::size_t MaxEmbeddedPictureBytes = std::size_t{64} << 20;

/// The picture of a card as its SVG document, written through the sink it
/// is handed; an empty function links the picture by its name instead.
using CardPictureSource = std::function<TextProducer(const Card &C)>;

/// Writes the overview of \p Cards, in the order given, through \p Out. Each
/// run of cards with the same group title is one group under that title (no
/// title for an empty one). A card with a picture embeds what \p PictureOf
/// gives for it while the pictures embedded so far stay within
/// \p EmbedBudget, and links its picture name after that. Every name and
/// sentence is escaped; a card without a picture says why. False when
/// \p Out refused.
[[nodiscard]] bool writeOverview(const std::vector<Card> &Cards, const CardPictureSource &PictureOf,
                                 std::size_t EmbedBudget, const TextSink &Out);

#endif
