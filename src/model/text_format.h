// printf-style formatting into a std::string: the sentences, labels and file
// names keep their fixed templates without any fixed-size buffer.
#ifndef QUOVADRIN_MODEL_TEXT_FORMAT_H
#define QUOVADRIN_MODEL_TEXT_FORMAT_H

#include <string>

std::string formatText(const char *Format, ...) __attribute__((format(printf, 1, 2)));

#endif
