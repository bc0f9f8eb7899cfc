// Text written piece by piece: a writer hands each piece to a sink as soon as
// it is made, so that neither an .alg file nor a vector picture is ever held
// whole in memory, and a sink that refuses (a full disk, a size bound) stops
// the writer at once.
#ifndef QUOVADRIN_FILES_TEXT_SINK_H
#define QUOVADRIN_FILES_TEXT_SINK_H

#include <cstddef>
#include <functional>

/// Takes the next bytes of the text; false stops the writing.
using TextSink = std::function<bool(const char *Data, std::size_t Size)>;

/// Writes a whole text through the sink it is handed; false when the sink
/// refused a piece (the text is then incomplete).
using TextProducer = std::function<bool(const TextSink &Sink)>;

#endif
