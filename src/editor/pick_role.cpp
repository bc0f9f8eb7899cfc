// The roles of the pick names.
#include "editor/pick_role.h"

#include "editor/pick_name.h"

PickRole roleOf(int Pick) {
  if (Pick >= pickValue(PickName::FirstFileEntry) && Pick < pickValue(PickName::Quit))
    return PickRole::FileEntry;
  switch (static_cast<PickName>(Pick)) {
  case PickName::Square:
  case PickName::Circle:
  case PickName::Blob:
  case PickName::RasterLine:
  case PickName::FreeLine:
  case PickName::SoftLine:
  case PickName::RasterPolyline:
  case PickName::FreePolyline:
  case PickName::SoftPolyline:
    return PickRole::Tool;
  case PickName::Dice:
    return PickRole::Dice;
  case PickName::Repeat:
    return PickRole::Repeat;
  case PickName::Undo:
    return PickRole::Undo;
  case PickName::Go:
    return PickRole::Go;
  case PickName::Save:
    return PickRole::Save;
  case PickName::Load:
    return PickRole::Load;
  case PickName::FieldX:
  case PickName::FieldY:
  case PickName::FieldW:
  case PickName::FieldH:
  case PickName::FieldV:
  case PickName::FieldHorizontal:
  case PickName::FieldD:
  case PickName::FieldN:
  case PickName::FieldMax:
  case PickName::FieldMin:
    return PickRole::Field;
  case PickName::Print:
    return PickRole::Print;
  case PickName::XyAbs:
  case PickName::HvAbs:
  case PickName::DAbs:
  case PickName::WhAbs:
  case PickName::XyRel:
  case PickName::HvRel:
  case PickName::DRel:
  case PickName::WhRel:
  case PickName::Stamp:
    return PickRole::PenMenu;
  case PickName::Count:
  case PickName::RandomTarget:
  case PickName::Upper:
  case PickName::Lower:
    return PickRole::ControlLabel;
  case PickName::Abs:
  case PickName::Rel:
  case PickName::Mul:
  case PickName::Div:
    return PickRole::ValueButton;
  case PickName::Restart:
    return PickRole::Restart;
  case PickName::Quit:
    return PickRole::Quit;
  case PickName::UpStrip:
  case PickName::DownStrip:
  case PickName::Nothing:
  case PickName::Title:
  case PickName::PenMarker:
  case PickName::FirstFileEntry:
    break;
  }
  return PickRole::None;
}
