// What a pick found under the pointer, and in which panel: nothing, a named
// thing (a Button, a Label, a scroll strip, the pen marker or a pen-menu
// Button), a listing line by its command number, or an entry of the saved-file
// list by its index. The editor asks what it needs of a pick through here and
// never decodes numbers: which thing a name is, or whether a number is a line
// or a file, is only ever answered by the pick's kind.
#ifndef QUOVADRIN_EDITOR_PICK_RESULT_H
#define QUOVADRIN_EDITOR_PICK_RESULT_H

#include <cassert>
#include <string>

#include "editor/pick_name.h"
#include "editor/window_layout.h"

enum class PickKind { Nothing, Named, ListingLine, FileEntry };

class PickResult {
public:
  /// No pickable thing lay under the pointer in \p Where (or the pick box
  /// met too many of them to tell).
  static PickResult nothing(Panel Where) {
    return {Where, PickKind::Nothing, PickName::Nothing, 0};
  }
  static PickResult named(Panel Where, PickName Name) {
    assert(Name != PickName::Nothing && "a pick that found nothing is nothing()");
    assert(Name != PickName::FirstFileEntry && "a file-list entry is fileEntry()");
    return {Where, PickKind::Named, Name, 0};
  }
  /// The listing line showing command \p Number (from 1).
  static PickResult listingLine(int Number) {
    assert(Number >= 1);
    return {Panel::Listing, PickKind::ListingLine, PickName::Nothing, Number};
  }
  /// Entry \p Index (from 0, top first) of the saved-file list.
  static PickResult fileEntry(int Index) {
    assert(Index >= 0);
    return {Panel::Tool, PickKind::FileEntry, PickName::Nothing, Index};
  }

  [[nodiscard]] Panel panel() const { return Where; }
  [[nodiscard]] PickKind kind() const { return Kind; }
  [[nodiscard]] bool isNothing() const { return Kind == PickKind::Nothing; }
  /// Whether this is the thing called \p Other.
  [[nodiscard]] bool is(PickName Other) const { return Kind == PickKind::Named && Name == Other; }
  /// The name of a named thing; PickName::Nothing for every other kind.
  [[nodiscard]] PickName name() const { return Name; }
  [[nodiscard]] int listingLine() const {
    assert(Kind == PickKind::ListingLine);
    return Index;
  }
  [[nodiscard]] int fileEntry() const {
    assert(Kind == PickKind::FileEntry);
    return Index;
  }

  /// "tool panel: name 16", "listing: line 3", ... for test failures and logs.
  [[nodiscard]] std::string describe() const;

  bool operator==(const PickResult &Other) const {
    return Where == Other.Where && Kind == Other.Kind && Name == Other.Name && Index == Other.Index;
  }
  bool operator!=(const PickResult &Other) const { return !(*this == Other); }

private:
  PickResult(Panel Place, PickKind What, PickName Called, int Number)
      : Where(Place), Kind(What), Name(Called), Index(Number) {}

  Panel Where;
  PickKind Kind;
  PickName Name;
  int Index;
};

#endif
