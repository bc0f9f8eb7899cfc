// The .alg text: a banner of four header lines, then one line per Command,
// indented by two spaces per open repeat block, every line ended by CR LF.
// Written to any byte sink, so files, tests and the fuzzer share one writer.
#ifndef QUOVADRIN_FILES_ALG_FORMAT_H
#define QUOVADRIN_FILES_ALG_FORMAT_H

#include <cstddef>
#include <functional>
#include <string>

class Algorithm;

/// Takes the next bytes of the text; false stops the writing.
using TextSink = std::function<bool(const char *Data, size_t Size)>;

/// The banner every .alg file starts with, CR LF line ends included.
extern const char AlgorithmFileHeader[];

/// How a sentence moves the indentation: a repeat start opens a block, a
/// repeat end closes one, everything else leaves it.
enum class RepeatMark { None, Start, End };
RepeatMark repeatMarkOf(const std::string &Sentence);

/// Writes the header and one line per Command, walking the list with rewind
/// and moveNext; once the walk has begun the Algorithm is rewound at the end,
/// so its first Command is current. Returns false when the sink refused.
bool writeAlgorithmText(Algorithm &A, const TextSink &Sink);

/// The whole text in memory.
std::string algorithmText(Algorithm &A);

#endif
