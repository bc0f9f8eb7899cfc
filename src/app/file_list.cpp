// Scanning, compiling and picking the saved-file list.
#include "app/file_list.h"

#include "app/atlas_panel.h"
#include "editor/pick_name.h"
#include "screen/glyph.h"

namespace {

// The part of a name that fits left of \p RightEdge (scaled units), glyph by
// glyph: a glyph's ink lies within its advance, so nothing crosses the
// panel's edge. A line-break byte would throw the rest of the name onto the
// next row, so it shows as a question mark.
std::string fittingText(const std::string &Name, float RightEdge) {
  std::string Shown;
  float Pen = FileListNamePenX;
  for (char C : Name) {
    auto Byte = static_cast<unsigned char>(C);
    if (isLineBreak(Byte))
      Byte = '?';
    Pen += static_cast<float>(glyphFor(Byte).Advance);
    if (Pen > RightEdge)
      break;
    Shown.push_back(static_cast<char>(Byte));
  }
  return Shown;
}

} // namespace

FileList::FileList(GLuint AtlasTexture, const SavedFileWindow &Shown) : Texture(AtlasTexture) {
  Names = Shown.Shown;
  Hidden = Shown.Hidden;
  EntryCount = static_cast<int>(Names.size());
  const LayoutRect Place = fileListRect(rowCount());
  X = Place.X;
  Y = Place.Y;
  Width = Place.Width;
  Height = Place.Height;
  ListId = glGenLists(1);
  build();
}

FileList::~FileList() {
  if (ListId != 0)
    glDeleteLists(ListId, 1);
}

const std::string &FileList::entryName(int Index) const {
  static const std::string None;
  if (Index < 0 || Index >= EntryCount)
    return None;
  return Names[static_cast<size_t>(Index)];
}

int FileList::entryForPickName(int Pick) const {
  const int Index = Pick - pickValue(PickName::FirstFileEntry);
  return (Index >= 0 && Index < EntryCount) ? Index : -1;
}

void FileList::emitRowText(int Row, const std::string &Text) const {
  // The names keep the pitch of the pick rows, so the name under the pointer
  // is the one that loads, down to the last row.
  const float PenY = static_cast<float>(FileListRowHeight * Row) / PanelTextScale;
  const float RightEdge = static_cast<float>(Width - 1) / PanelTextScale;
  emitPanelText(Texture, X, Y, fittingText(Text, RightEdge).c_str(), FileListNamePenX, PenY,
                static_cast<float>(GlyphQuadSize));
}

void FileList::build() {
  glNewList(ListId, GL_COMPILE);
  emitOutlinedPanel(X, Y, Width, Height);
  glColor4f(1, 1, 1, 1);
  glEnable(GL_TEXTURE_2D);
  if (Hidden > 0)
    emitRowText(0, hiddenFilesText(Hidden));
  for (int I = 0; I < EntryCount; ++I)
    emitRowText(rowOfEntry(I), Names[static_cast<size_t>(I)]);
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

void FileList::draw(GLenum Mode) const {
  if (Mode == GL_RENDER) {
    glCallList(ListId);
    return;
  }
  if (Mode != GL_SELECT)
    return;
  // The row telling of older files has no pick name: it loads nothing.
  for (int I = 0; I < EntryCount; ++I) {
    const int Top = Y + FileListRowHeight * rowOfEntry(I);
    glLoadName(static_cast<GLuint>(pickValue(PickName::FirstFileEntry) + I));
    emitFilledRectangle(X, Top, Width, FileListRowHeight);
  }
}
