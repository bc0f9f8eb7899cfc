// Test helper: a failed comparison of picks shows them in words rather than
// as bytes.
#ifndef QUOVADRIN_TESTS_PICK_RESULT_PRINT_H
#define QUOVADRIN_TESTS_PICK_RESULT_PRINT_H

#include <ostream>

#include "editor/pick_result.h"

inline void PrintTo(const PickResult &Pick, std::ostream *Out) { *Out << Pick.describe(); }

#endif
