// Benchmark helper: runs a piece of work in a child process of its own and
// tells how long it took and the most memory it held (its peak resident
// size), so that each figure belongs to that work alone and not to whatever
// the benchmark did before it.
#ifndef QUOVADRIN_BENCH_CHILD_MEASURE_H
#define QUOVADRIN_BENCH_CHILD_MEASURE_H

#include <chrono>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

struct ChildMeasure {
  double Milliseconds = 0;
  double PeakMegabytes = 0;
  /// The child's exit status: what \p Work returned, or -1 when it did not
  /// end normally.
  int Status = -1;
};

/// Runs \p Work in a fresh child process; the peak is the child's own.
inline ChildMeasure measureInChild(const std::function<int()> &Work) {
  ChildMeasure Result;
  const auto Start = std::chrono::steady_clock::now();
  const pid_t Child = fork();
  if (Child == 0)
    _exit(Work());
  int Status = 0;
  rusage Usage{};
  if (Child < 0 || wait4(Child, &Status, 0, &Usage) != Child)
    return Result;
  const auto Stop = std::chrono::steady_clock::now();
  Result.Milliseconds = std::chrono::duration<double, std::milli>(Stop - Start).count();
  Result.PeakMegabytes = static_cast<double>(Usage.ru_maxrss) / 1024.0;
  Result.Status = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  return Result;
}

/// The fastest of \p Rounds runs of \p Work, each in a child of its own (the
/// fastest is the one least disturbed by the other work of the machine).
inline ChildMeasure fastestInChild(int Rounds, const std::function<int()> &Work) {
  ChildMeasure Best;
  for (int I = 0; I < Rounds; ++I) {
    const ChildMeasure Round = measureInChild(Work);
    if (I == 0 || Round.Milliseconds < Best.Milliseconds)
      Best = Round;
  }
  return Best;
}

#endif
