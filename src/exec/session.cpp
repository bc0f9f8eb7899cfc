// The Session's parts and the hand-over of a loaded program.
#include "exec/session.h"

#include "model/text_format.h"

Session::Session(int32_t SeedValue)
    : Algo(std::make_unique<Algorithm>()), Random(static_cast<uint32_t>(SeedValue)),
      Seed(SeedValue), SeedText(formatText("%i", SeedValue)) {}

void Session::adopt(std::unique_ptr<Algorithm> Loaded, UserVariables LoadedVariables) {
  if (!Loaded)
    return;
  // The old commands go first: they are what refers to the old Variables.
  Algo = std::move(Loaded);
  Vars.replaceUsers(std::move(LoadedVariables));
}
