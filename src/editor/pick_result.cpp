// A pick in words, for the messages of failed tests and for logs.
#include "editor/pick_result.h"

namespace {

const char *panelWord(Panel Where) {
  switch (Where) {
  case Panel::Tool:
    return "tool panel";
  case Panel::Canvas:
    return "canvas";
  case Panel::Listing:
    return "listing";
  }
  return "?";
}

} // namespace

std::string PickResult::describe() const {
  const std::string Place = std::string(panelWord(Where)) + ": ";
  switch (Kind) {
  case PickKind::Nothing:
    return Place + "nothing";
  case PickKind::Named:
    return Place + "name " + std::to_string(pickValue(Name));
  case PickKind::ListingLine:
    return Place + "line " + std::to_string(Index);
  case PickKind::FileEntry:
    return Place + "file entry " + std::to_string(Index);
  }
  return Place + "?";
}
