// The saved-file list the load Button opens, and what became of a load.
#ifndef QUOVADRIN_EDITOR_FILE_STATE_H
#define QUOVADRIN_EDITOR_FILE_STATE_H

#include "files/saved_files.h"

/// The most rows the saved-file list shows: 60 rows of 12 units put its top
/// at y = 10; one more would reach above the screen.
constexpr int MaxFileListRows = 60;

/// The files shown and a revision that tells a platform's cache to build
/// its list anew.
struct SavedFileList {
  SavedFileWindow Files;
  unsigned Revision = 0;
};

struct FileState {
  bool ListVisible = false;
  SavedFileList List;
};

/// What became of loading an algorithm file.
enum class LoadResult {
  /// The file's algorithm and Variables replaced the learner's.
  Loaded,
  /// The file could not be read (gone, not a regular file, too large); the
  /// learner's work is as it was and the canvas says so.
  NotRead,
};

#endif
