// Test helpers: an Algorithm written out as one line per Command, so that a
// whole list with its numbers, jumps and cursor is compared in one assertion.
#ifndef QUOVADRIN_TESTS_ALGORITHM_TEXT_H
#define QUOVADRIN_TESTS_ALGORITHM_TEXT_H

#include <string>

#include "model/algorithm.h"
#include "model/variable.h"

/// An Algorithm over one Variable named x (the target), for tests that need commands with
/// a target but do not care which.
struct AlgorithmFixture {
  Variable Target{0};
  Algorithm Program;
  AlgorithmFixture() { Target.setName("x"); }
  void give(int Value) { Program.appendArithmetic(&Target, ArithmeticOp::Give, Value); }
  void add(int Value) { Program.appendArithmetic(&Target, ArithmeticOp::Add, Value); }
};

/// "number:text" per Command, ", " between them; a RepeatEnd adds "->jump",
/// and the current Command is marked with "*". The walk uses the links only.
inline std::string listing(const Algorithm &A) {
  std::string Out;
  for (const Command *C = A.head(); C; C = C->next()) {
    if (!Out.empty())
      Out += ", ";
    if (C == A.current())
      Out += "*";
    Out += std::to_string(C->number()) + ":" + C->text();
    if (C->kind() == CommandKind::RepeatEnd)
      Out += "->" + std::to_string(C->jumpTarget());
  }
  return Out;
}

/// The numbers only, in list order, walked backwards through prev as well so
/// that a broken back link shows up as a difference.
inline std::string numbers(const Algorithm &A) {
  std::string Forward;
  for (const Command *C = A.head(); C; C = C->next())
    Forward += (Forward.empty() ? "" : " ") + std::to_string(C->number());
  std::string Backward;
  for (const Command *C = A.tail(); C; C = C->prev())
    Backward = std::to_string(C->number()) + (Backward.empty() ? "" : " ") + Backward;
  return Forward == Backward ? Forward : "links broken: " + Forward + " / " + Backward;
}

#endif
