// The Session's parts, the hand-over of a loaded program and the revision
// of the learner's work.
#include "exec/session.h"

#include "model/text_format.h"

Session::Session(int32_t SeedValue)
    : Algo(std::make_unique<Algorithm>()), Random(static_cast<uint32_t>(SeedValue)),
      Seed(SeedValue), SeedText(formatText("%i", SeedValue)) {}

void Session::clearAlgorithm() { replaceAlgorithm(std::make_unique<Algorithm>()); }

void Session::adopt(std::unique_ptr<Algorithm> Loaded, UserVariables LoadedVariables) {
  if (!Loaded)
    return;
  // The old commands go first: they are what refers to the old Variables.
  replaceAlgorithm(std::move(Loaded));
  Vars.replaceUsers(std::move(LoadedVariables));
  markWorkKept();
}

// Counting the old algorithm's changes and one for the replacement keeps
// the revision growing, whatever the new algorithm's own count starts at.
void Session::replaceAlgorithm(std::unique_ptr<Algorithm> Next) {
  RevisionBase += Algo->revision() + 1;
  Algo = std::move(Next);
}
