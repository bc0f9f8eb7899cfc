// The list of saved algorithm files that the load Button opens in the tool
// panel: one row per file name, growing upwards from y = 730, compiled into
// one display list, with one pick rectangle per file for selection picking.
#ifndef QUOVADRIN_APP_FILE_LIST_H
#define QUOVADRIN_APP_FILE_LIST_H

#include <GL/gl.h>
#include <string>
#include <vector>

#include "files/saved_files.h"
#include "screen/screen_layout.h"

class FileList {
public:
  /// Lays out the panel for the files of \p Shown and compiles it; when
  /// files are left out, a top row says how many. Needs a current OpenGL
  /// context.
  FileList(GLuint AtlasTexture, const SavedFileWindow &Shown);
  /// Frees the display list; each press of the load Button makes a new list.
  virtual ~FileList();
  FileList(const FileList &) = delete;
  FileList &operator=(const FileList &) = delete;

  /// GL_RENDER draws the panel with its names; GL_SELECT emits one pick
  /// rectangle per entry under its own pick name; other modes do nothing.
  void draw(GLenum Mode) const;

  /// The entries that can be picked (the files shown).
  int entryCount() const { return EntryCount; }
  /// File name of entry \p Index without its folder, empty when there is no
  /// such entry.
  const std::string &entryName(int Index) const;
  /// The entry picked as \p Pick, or -1 when the name is none of ours.
  int entryForPickName(int Pick) const;
  /// How many older files are left out of the list.
  int hiddenCount() const { return Hidden; }
  /// Rows drawn: the entries and, when files are left out, the row saying so.
  int rowCount() const { return EntryCount + (Hidden > 0 ? 1 : 0); }

  GLuint listId() const { return ListId; }
  int x() const { return X; }
  int y() const { return Y; }
  int width() const { return Width; }
  int height() const { return Height; }

private:
  void build();
  /// Row of entry \p Index, counting from the top row 0.
  int rowOfEntry(int Index) const { return Index + (Hidden > 0 ? 1 : 0); }
  void emitRowText(int Row, const std::string &Text) const;

  int EntryCount = 0;
  std::vector<std::string> Names;
  GLuint ListId = 0;
  int X = 20;
  int Y = 730;
  int Width = 200;
  int Height = 0;
  GLuint Texture = 0;
  int Hidden = 0;
};

#endif
