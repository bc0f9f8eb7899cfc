// The pick table itself. The names of the parameter rows up to min act on
// the press and repeat while held, and so do print and the count and target
// Labels; upper and lower act on the release, as every other Button does.
#include "editor/pick_table.h"

#include "editor/pick_handlers.h"

namespace {

using H = PickHandlers;
using R = PickRole;

constexpr PickRow NoAction = {PickName::Nothing, R::None, false, nullptr, nullptr};
constexpr PickRow FileEntryRow = {PickName::FirstFileEntry, R::FileEntry, false, H::openFileEntry,
                                  nullptr};

constexpr PickRow tool(PickName Name) {
  return {Name, R::Tool, false, H::chooseOrDrawTool, nullptr};
}
constexpr PickRow field(PickName Name) {
  return {Name, R::Field, true, H::stepFieldUp, H::stepFieldDown};
}
constexpr PickRow penMenu(PickName Name) { return {Name, R::PenMenu, false, H::penMenu, nullptr}; }
constexpr PickRow controlLabel(PickName Name, bool Repeats) {
  return {Name, R::ControlLabel, Repeats, H::stepControlUp, H::stepControlDown};
}
constexpr PickRow valueButton(PickName Name) {
  return {Name, R::ValueButton, false, H::insertValue, H::insertValue};
}

// The title acts on nothing: it has no row.
constexpr PickRow Table[] = {
    tool(PickName::Square),
    tool(PickName::Circle),
    tool(PickName::Blob),
    tool(PickName::RasterLine),
    tool(PickName::FreeLine),
    tool(PickName::SoftLine),
    tool(PickName::RasterPolyline),
    tool(PickName::FreePolyline),
    tool(PickName::SoftPolyline),
    {PickName::Dice, R::Dice, false, H::rollDice, nullptr},
    {PickName::Repeat, R::Repeat, false, H::repeatBlock, nullptr},
    {PickName::Undo, R::Undo, false, H::undo, nullptr},
    {PickName::Go, R::Go, false, H::go, H::go},
    {PickName::Save, R::Save, false, H::save, nullptr},
    {PickName::Load, R::Load, false, H::showFileList, nullptr},
    field(PickName::FieldX),
    field(PickName::FieldY),
    field(PickName::FieldDx),
    field(PickName::FieldDy),
    field(PickName::FieldH),
    field(PickName::FieldV),
    field(PickName::FieldD),
    field(PickName::FieldN),
    field(PickName::FieldMax),
    field(PickName::FieldMin),
    {PickName::Print, R::Print, true, H::print, nullptr},
    penMenu(PickName::XyAbs),
    penMenu(PickName::HvAbs),
    penMenu(PickName::DAbs),
    penMenu(PickName::WhAbs),
    penMenu(PickName::Stamp),
    penMenu(PickName::XyRel),
    penMenu(PickName::HvRel),
    penMenu(PickName::DRel),
    penMenu(PickName::WhRel),
    controlLabel(PickName::Count, true),
    controlLabel(PickName::RandomTarget, true),
    controlLabel(PickName::Upper, false),
    controlLabel(PickName::Lower, false),
    valueButton(PickName::Abs),
    valueButton(PickName::Rel),
    valueButton(PickName::Mul),
    valueButton(PickName::Div),
    {PickName::Restart, R::Restart, false, H::restartWithLeft, H::restartWithRight},
    {PickName::Quit, R::Quit, false, H::quitWithLeft, H::quitWithRight},
};

const PickRow &rowOfName(PickName Name) {
  for (const PickRow &Row : Table)
    if (Row.Name == Name)
      return Row;
  return NoAction;
}

} // namespace

const PickRow &pickRow(const PickResult &Pick) {
  if (Pick.kind() == PickKind::FileEntry)
    return FileEntryRow;
  if (Pick.kind() != PickKind::Named)
    return NoAction;
  return rowOfName(Pick.name());
}

bool repeatsWhileHeld(PickName Name) { return rowOfName(Name).RepeatsWhileHeld; }
