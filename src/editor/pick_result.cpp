// A pick in words, for the messages of failed tests and for logs.
#include "editor/pick_result.h"

#include <cstddef>

namespace {

/// Indexed by Panel and by PickKind.
constexpr const char *PanelWords[] = {"tool panel", "canvas", "listing"};
constexpr const char *KindWords[] = {"nothing", "name ", "line ", "file entry "};

} // namespace

std::string PickResult::describe() const {
  std::string Text = std::string(PanelWords[static_cast<size_t>(Where)]) + ": " +
                     KindWords[static_cast<size_t>(Kind)];
  if (Kind == PickKind::Named)
    Text += std::to_string(pickValue(Name));
  else if (Kind != PickKind::Nothing)
    Text += std::to_string(Index);
  return Text;
}
