// The layout tables and the places derived from them.
#include "screen/screen_layout.h"

namespace {

constexpr ToolWidgetPlace button(const char *Icon, PickName Pick, int X, int Y, int Width,
                                 int Height) {
  return {Pick, Icon, {X, Y, Width, Height}, -1, nullptr, 0};
}

// A Label in FieldLabels order; the digits' pick area is 16 units per
// character, the r Label's single letter needs a wider one.
constexpr ToolWidgetPlace label(PickName Pick, int Index, int X, int Y, int Width, int Height,
                                const char *Description) {
  return {Pick,  nullptr,     {X, Y, Width, Height},
          Index, Description, Pick == PickName::RandomTarget ? 20 : 16};
}

const std::array<ToolWidgetPlace, ToolChainSize> Chain = {{
    button("quovadrinText.png", PickName::Title, 15, 90, 150, 20),
    button("square.png", PickName::Square, 15, 140, 50, 50),
    button("circle.png", PickName::Circle, 70, 140, 50, 50),
    button("blob.png", PickName::Blob, 125, 140, 50, 50),
    button("line1.png", PickName::RasterLine, 15, 195, 50, 50),
    button("line2.png", PickName::FreeLine, 70, 195, 50, 50),
    button("line3.png", PickName::SoftLine, 125, 195, 50, 50),
    button("lloop1.png", PickName::RasterPolyline, 15, 250, 50, 50),
    button("lloop2.png", PickName::FreePolyline, 70, 250, 50, 50),
    button("lloop3.png", PickName::SoftPolyline, 125, 250, 50, 50),
    button("dice.png", PickName::Dice, 15, 315, 75, 75),
    button("while.png", PickName::Repeat, 105, 315, 75, 75),
    button("undo.png", PickName::Undo, 10, 580, 75, 20),
    button("restart.png", PickName::Restart, 10, 600, 60, 20),
    button("go.png", PickName::Go, 10, 630, 175, 100),
    button("abs.png", PickName::Abs, 10, 550, 20, 20),
    button("rel.png", PickName::Rel, 40, 550, 20, 20),
    button("mul.png", PickName::Mul, 70, 550, 20, 20),
    button("div.png", PickName::Div, 100, 550, 20, 20),
    label(PickName::FieldX, 0, 145, 425, 16, 16, "Horizontale Rasterpos."),
    label(PickName::FieldY, 1, 145, 435, 16, 16, "Vertikale Rasterpos."),
    label(PickName::FieldDx, 2, 145, 445, 16, 16, "Breite"),
    label(PickName::FieldDy, 3, 145, 455, 16, 16, "Hoehe"),
    label(PickName::FieldH, 4, 145, 465, 16, 16, "Horizontale Abweichung"),
    label(PickName::FieldV, 5, 145, 475, 16, 16, "Vertikale Abweichung"),
    label(PickName::FieldD, 6, 145, 485, 16, 16, "Drehung"),
    label(PickName::FieldN, 7, 145, 495, 16, 16, "Linienzuglaenge"),
    label(PickName::Count, 8, 135, 345, 7, 10, nullptr),
    label(PickName::RandomTarget, 9, 92, 348, 7, 10, nullptr),
    label(PickName::FieldMax, 10, 145, 505, 16, 16, "Maximalzufallswert"),
    label(PickName::FieldMin, 11, 145, 515, 16, 16, "Minimalzufallwert"),
    label(PickName::Upper, 12, 15, 305, 7, 10, nullptr),
    label(PickName::Lower, 13, 15, 390, 7, 10, nullptr),
    button("save.png", PickName::Save, 10, 740, 60, 20),
    button("load.png", PickName::Load, 70, 740, 60, 20),
    button("quit.png", PickName::Quit, 130, 740, 60, 20),
    button("print.png", PickName::Print, 200, 743, 60, 20),
}};

const std::array<const char *, PenMenuSize> PenMenuIcons = {"xyAbs.png", "hvAbs.png", "dAbs.png",
                                                            "whAbs.png", "stamp.png", "xyRel.png",
                                                            "hvRel.png", "dRel.png",  "whRel.png"};

} // namespace

const std::array<ToolWidgetPlace, ToolChainSize> &toolChainPlaces() { return Chain; }

const ToolWidgetPlace *findToolPlace(PickName Pick) {
  for (const ToolWidgetPlace &Widget : Chain)
    if (Widget.Pick == Pick)
      return &Widget;
  return nullptr;
}

const std::array<const char *, PenMenuSize> &penMenuIcons() { return PenMenuIcons; }

const std::array<IconFile, IconCount> &iconFiles() {
  static const std::array<IconFile, IconCount> Files = [] {
    std::array<IconFile, IconCount> Gathered{};
    size_t Next = 0;
    for (const ToolWidgetPlace &Place : Chain)
      if (!Place.isLabel())
        Gathered[Next++] = {Place.Pick, Place.Icon};
    for (size_t I = 0; I < PenMenuSize; ++I)
      Gathered[Next++] = {PenMenuOrder[I], PenMenuIcons[I]};
    return Gathered;
  }();
  return Files;
}

void hitLayoutRect(DrawListBuilder &Out, int Name, const LayoutRect &Rect) {
  Out.hitRectangle(Name, static_cast<float>(Rect.X), static_cast<float>(Rect.Y),
                   static_cast<float>(Rect.X + Rect.Width),
                   static_cast<float>(Rect.Y + Rect.Height));
}

// The area covers the Label's current text, so a pick is right even before
// the next frame shows it.
LayoutRect labelPickArea(const ToolWidgetPlace &Widget, size_t TextLength) {
  const int Left = Widget.Description ? LabelDescriptionX : Widget.Place.X;
  const int Right = Widget.Place.X + static_cast<int>(TextLength) * Widget.CharWidth;
  return {Left, Widget.Place.Y, Right - Left, Widget.CharWidth};
}

LayoutRect fieldRowBar(int Row) { return {4, 415 + 10 * Row, 316, 10}; }

StripCorners listingUpStrip() { return {2, 2, static_cast<float>(ListingLayoutWidth - 2), 23}; }

StripCorners listingDownStrip() {
  const auto Height = static_cast<float>(LayoutHeight);
  return {2, Height - 2, static_cast<float>(ListingLayoutWidth - 2), Height - 23};
}

LayoutRect fileListRect(int Rows) {
  const int Height = FileListRowHeight * Rows;
  return {FileListLeft, FileListBottom - Height, FileListWidth, Height};
}

LayoutRect fileListRow(int Rows, int Row) {
  const LayoutRect List = fileListRect(Rows);
  return {List.X, List.Y + FileListRowHeight * Row, List.Width, FileListRowHeight};
}

LayoutRect messageBoxRect(size_t TextLength) {
  const int Width = MessageCharWidth * static_cast<int>(TextLength);
  // Centred on the canvas.
  return {CanvasLayoutWidth / 2 - Width / 2, LayoutHeight / 2 - MessageBoxHeight / 2, Width,
          MessageBoxHeight};
}
