// The roles of the pick names: the drawing tools, the parameter rows and the
// pen menu are known by their own lists; the rest name themselves.
#include "editor/pick_role.h"

#include <algorithm>
#include <iterator>

#include "editor/field_labels.h"
#include "editor/pen_menu.h"
#include "editor/pick_name.h"
#include "editor/pick_result.h"

namespace {

constexpr PickName ControlLabelNames[] = {PickName::Count, PickName::RandomTarget, PickName::Upper,
                                          PickName::Lower};
constexpr PickName ValueButtonNames[] = {PickName::Abs, PickName::Rel, PickName::Mul,
                                         PickName::Div};

/// The Buttons that are alone in their role.
constexpr struct {
  PickName Name;
  PickRole Role;
} SingleButtons[] = {{PickName::Dice, PickRole::Dice},   {PickName::Repeat, PickRole::Repeat},
                     {PickName::Undo, PickRole::Undo},   {PickName::Go, PickRole::Go},
                     {PickName::Save, PickRole::Save},   {PickName::Load, PickRole::Load},
                     {PickName::Print, PickRole::Print}, {PickName::Restart, PickRole::Restart},
                     {PickName::Quit, PickRole::Quit}};

template <typename Names> bool among(PickName Name, const Names &List) {
  return std::find(std::begin(List), std::end(List), Name) != std::end(List);
}

} // namespace

PickRole roleOf(const PickResult &Pick) {
  if (Pick.kind() == PickKind::FileEntry)
    return PickRole::FileEntry;
  if (Pick.kind() != PickKind::Named)
    return PickRole::None;
  const PickName Name = Pick.name();
  if (isToolPick(Name))
    return PickRole::Tool;
  if (FieldLabels::rowOfPick(Name) != 0)
    return PickRole::Field;
  if (among(Name, PenMenuOrder))
    return PickRole::PenMenu;
  if (among(Name, ControlLabelNames))
    return PickRole::ControlLabel;
  if (among(Name, ValueButtonNames))
    return PickRole::ValueButton;
  for (const auto &Single : SingleButtons)
    if (Single.Name == Name)
      return Single.Role;
  return PickRole::None;
}
