// The .alg text: a banner of four header lines, then one line per Command,
// indented by two spaces per open repeat block (the listing's rule), every
// line ended by CR LF.
// Written to any byte sink, so files, tests and the fuzzer share one writer.
#ifndef QUOVADRIN_FILES_ALG_FORMAT_H
#define QUOVADRIN_FILES_ALG_FORMAT_H

#include <cstddef>
#include <string>

#include "files/text_sink.h"

class Algorithm;

/// The banner every .alg file starts with, CR LF line ends included.
extern const char AlgorithmFileHeader[];

/// Writes the header and one line per Command, first to last. The walk does
/// not move the cursor; once a command has been written the Algorithm is
/// rewound, so after a save its first Command is current. Returns false
/// when the sink refused.
bool writeAlgorithmText(Algorithm &A, const TextSink &Sink);

/// The whole text in memory.
std::string algorithmText(Algorithm &A);

/// Whether the text of \p A takes at most \p MaxBytes, found without making
/// it: deeply nested loops indent their lines further and further, and a
/// file the reader takes in linear time can write back many times larger.
[[nodiscard]] bool algorithmTextFits(const Algorithm &A, std::size_t MaxBytes);

#endif
