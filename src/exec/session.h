// One learner's program and everything running it touches: the Algorithm,
// the Drawing it produces, the Variables, the random generator with its seed,
// the pen templates and the state of an animated run. The editor and the
// views are handed a Session; nothing here knows about a window.
#ifndef QUOVADRIN_EXEC_SESSION_H
#define QUOVADRIN_EXEC_SESSION_H

#include <cstdint>
#include <memory>
#include <string>

#include "exec/drawing.h"
#include "exec/pen_templates.h"
#include "exec/random.h"
#include "exec/variable_set.h"
#include "model/algorithm.h"

/// The busy-wait length every run starts with.
constexpr int InitialStepDelay = 5000000;

/// An animated run in progress, or none.
struct RunState {
  /// Number of the command that was current when the run began (-1 when
  /// there was none); 0 while no run is active.
  int32_t Start = 0;
  /// The ten user values from before the run (or the last snapshot).
  UserValues SavedValues{};
  /// The pace: the busy-wait length after each step.
  int StepDelay = InitialStepDelay;

  bool active() const { return Start != 0; }
};

class Session {
public:
  /// An empty Algorithm and Drawing, the fixed Variables, and the generator
  /// seeded with \p Seed, whose decimal text names the saved files.
  explicit Session(int32_t Seed);
  Session(const Session &) = delete;
  Session &operator=(const Session &) = delete;

  Algorithm &algorithm() { return *Algo; }
  const Algorithm &algorithm() const { return *Algo; }
  Drawing &drawing() { return Picture; }
  const Drawing &drawing() const { return Picture; }
  VariableSet &variables() { return Vars; }
  const VariableSet &variables() const { return Vars; }
  RandomGenerator &random() { return Random; }
  PenTemplates &templates() { return Templates; }
  const PenTemplates &templates() const { return Templates; }
  RunState &run() { return Run; }
  const RunState &run() const { return Run; }

  int32_t seedValue() const { return Seed; }
  /// The seed as the file names show it ("%i").
  const std::string &seedText() const { return SeedText; }

  /// An empty Algorithm in place of the current one, numbering from 1.
  void clearAlgorithm();

  /// Takes over a loaded program: \p Loaded in place of the Algorithm (the
  /// old one is dropped) and \p LoadedVariables in place of the ten user
  /// Variables its commands refer to. What was loaded is kept in its file.
  void adopt(std::unique_ptr<Algorithm> Loaded, UserVariables LoadedVariables);

  /// Grows with every change of the learner's algorithm: each edit of it
  /// (Algorithm::revision), and each time it is emptied or replaced.
  uint64_t workRevision() const { return RevisionBase + Algo->revision(); }
  /// The algorithm as it is now is kept in a file (saved or just loaded).
  void markWorkKept() { KeptRevision = workRevision(); }
  /// The algorithm as it is now is kept in no file, though it was just
  /// loaded (from a draft or a link, which are no saved files).
  void markWorkUnkept() { KeptRevision = NoRevisionKept; }
  /// Whether the algorithm has changed since it was last kept in a file, or
  /// since the start.
  bool hasUnkeptWork() const { return workRevision() != KeptRevision; }

private:
  /// Drops the Algorithm for \p Next; the work revision still grows.
  void replaceAlgorithm(std::unique_ptr<Algorithm> Next);

  std::unique_ptr<Algorithm> Algo;
  /// The revisions of the algorithms replaced so far, one more for each.
  uint64_t RevisionBase = 0;
  uint64_t KeptRevision = 0;
  /// A revision the work never reaches: it only grows from 0, by one.
  static constexpr uint64_t NoRevisionKept = UINT64_MAX;
  Drawing Picture;
  VariableSet Vars;
  RandomGenerator Random;
  PenTemplates Templates;
  RunState Run;
  int32_t Seed;
  std::string SeedText;
};

#endif
