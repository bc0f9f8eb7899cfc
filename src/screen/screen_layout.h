// Every place and size on the screen, written once: the tool panel's
// Buttons and Labels with their pick names in chain order, the field rows,
// the pen menu, the listing's strips and rows, the saved-file list and the
// message box. The frame builders, the pickers and the back ends read them
// from here. All numbers are layout units of their panel (origin top left,
// y downwards).
#ifndef QUOVADRIN_SCREEN_SCREEN_LAYOUT_H
#define QUOVADRIN_SCREEN_SCREEN_LAYOUT_H

#include <array>
#include <cstddef>
#include <string>

#include "editor/field_labels.h"
#include "editor/pen_menu.h"
#include "editor/pick_name.h"
#include "editor/window_layout.h"
#include "screen/draw_list.h"

/// A rectangle from (X, Y), Width x Height.
struct LayoutRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
};

/// One widget of the tool panel's chain: a Button shows an icon over its
/// rectangle; a Label shows a value Label's text at (X, Y).
struct ToolWidgetPlace {
  PickName Pick;
  /// The icon's file name below the icon folder; null for a Label.
  const char *Icon;
  LayoutRect Place;
  /// The value Label shown (FieldLabels order); -1 for a Button.
  int LabelIndex;
  /// The caption at the panel's left edge; null for none.
  const char *Description;
  /// The pick area's width per character, which is also its height.
  int CharWidth;

  bool isLabel() const { return LabelIndex >= 0; }
};

/// Records that \p Name is picked within \p Rect of the current panel; the
/// corners are whole layout units, their sums taken in int as the widgets
/// take them.
void hitLayoutRect(DrawListBuilder &Out, int Name, const LayoutRect &Rect);

/// The chain: icons before the Labels, the Labels, then the last icons.
/// Its order is the drawing and picking order: a later widget wins a pick
/// over an earlier one beneath it.
constexpr size_t ToolChainSize = 19 + FieldLabels::Size + 4;
const std::array<ToolWidgetPlace, ToolChainSize> &toolChainPlaces();
/// The chain's widget with pick name \p Pick, or null.
const ToolWidgetPlace *findToolPlace(PickName Pick);

/// The icons of the pen menu in PenMenuOrder.
const std::array<const char *, PenMenuSize> &penMenuIcons();

/// One icon: the Button it shows on and its file name in the icon folder.
struct IconFile {
  PickName Pick;
  const char *File;
};
/// Every icon the screen shows, the chain's Buttons' and the pen menu's:
/// what each back end loads at start.
constexpr size_t IconCount = ToolChainSize - FieldLabels::Size + PenMenuSize;
const std::array<IconFile, IconCount> &iconFiles();

/// Scale of the atlas text of Labels, the popup and the file list: a glyph
/// cell of 51 units becomes 11.475.
constexpr float LabelTextScale = 0.225f;
constexpr float PanelTextScale = 0.225f;
/// Pen x of a Label's text when a description stands left of it, and the
/// description's left edge.
constexpr float LabelTextOffset = 130.0f;
constexpr int LabelDescriptionX = 5;

/// The pick area of a Label that now shows \p TextLength characters: over
/// the text and the description.
LayoutRect labelPickArea(const ToolWidgetPlace &Widget, size_t TextLength);
/// The grey bar behind field row \p Row (1 to 10).
LayoutRect fieldRowBar(int Row);
/// The shaded square behind the selected drawing tool.
constexpr int ToolHighlightSide = 50;

/// The canvas grid's grey, and the grey of the Shapes drawn over it (on the
/// white canvas of a finished run they are black).
constexpr float GridGrey = 0.85f;
constexpr float GridShapeGrey = 0.5f;

/// The listing: the strips at the top and bottom, the rows between them.
constexpr float ListingLineTop = 25.0f;
constexpr float ListingLinePitch = 10.0f;
/// Indentation per repeat level and the scale of the listing's atlas text.
constexpr int ListingIndentStep = 8;
constexpr float ListingTextScale = 0.16f;
constexpr float ListingTextAdvance = 8.0f;
/// The strips, as corners (left, top, right, bottom); the lower one is
/// given from the bottom up, as it is drawn.
struct StripCorners {
  float Left, Top, Right, Bottom;
};
StripCorners listingUpStrip();
StripCorners listingDownStrip();
/// Top of visible listing row \p Row (0-based).
inline float listingRowTop(int Row) {
  return ListingLineTop + ListingLinePitch * static_cast<float>(Row);
}

/// The saved-file list: rows of FileListRowHeight growing upwards from
/// FileListBottom, FileListWidth wide from FileListLeft.
constexpr int FileListRowHeight = 12;
constexpr int FileListBottom = 730;
constexpr int FileListLeft = 20;
constexpr int FileListWidth = 200;
/// Pen x of each name inside the list, in scaled atlas units.
constexpr float FileListNamePenX = 5.0f;
/// The list's rectangle for \p Rows rows.
LayoutRect fileListRect(int Rows);
/// Row \p Row (0 at the top) of a list of \p Rows rows: where its name is
/// drawn and where a click loads it.
LayoutRect fileListRow(int Rows, int Row);

/// The message box: centred on the canvas, 7 units per character wide.
constexpr int MessageCharWidth = 7;
constexpr int MessageBoxHeight = 20;
LayoutRect messageBoxRect(size_t TextLength);
/// Where the message's text starts inside the box, in scaled atlas units.
constexpr float MessageTextPenX = 10.0f;
constexpr float MessageTextPenY = 15.0f;
constexpr float MessageTextLineAdvance = 51.0f;

#endif
