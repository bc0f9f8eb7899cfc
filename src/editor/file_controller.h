// Saving and loading from the editor: the save Button writes the algorithm
// and the window's pictures under the next letter, through the file
// operations the platform hands the editor, the load Button opens the
// list of saved files, and an entry of that list replaces the learner's
// algorithm and Variables.
#ifndef QUOVADRIN_EDITOR_FILE_CONTROLLER_H
#define QUOVADRIN_EDITOR_FILE_CONTROLLER_H

#include "editor/editor_context.h"
#include "files/file_operations.h"
#include "files/file_result.h"
#include "files/save_names.h"
#include "files/saved_files.h"

/// The value a save counter starts at: the first save uses the letter "a".
constexpr int InitialSaveLetter = InitialSaveCounter;

/// The most rows the saved-file list shows: 60 rows of 12 units put its top
/// at y = 10; one more would reach above the screen.
constexpr int MaxFileListRows = 60;

/// The saved-file list the load Button opens: the files shown and a
/// revision that tells the window to build its list anew.
struct SavedFileList {
  SavedFileWindow Files;
  unsigned Revision = 0;
};

struct FileState {
  /// Incremented before each save; its low byte is the file-name letter.
  int SaveLetter = InitialSaveLetter;
  bool ListVisible = false;
  SavedFileList List;
};

class LabelController;
class ListingController;

class FileController {
public:
  FileController(EditorContext Shared, FileState &State, LabelController &FieldValues,
                 ListingController &ListingPanel, const FileOperations &Storage)
      : Context(Shared), Files(State), Labels(FieldValues), Listing(ListingPanel), Disk(Storage) {}

  bool fileListVisible() const { return Files.ListVisible; }
  /// Saves the algorithm, the canvas picture and the vector picture the
  /// window supplies and tells the learner how it went. Returns Done when
  /// the algorithm and the picture were written (see saveAlgorithmFiles).
  [[nodiscard]] FileResult saveAlgorithmFiles();
  /// The list of saved files opens, read anew from the folder.
  void showFileList();
  void hideFileList() { Files.ListVisible = false; }
  /// The left button on entry \p Entry of the list: only an entry of the
  /// list on screen loads. Returns whether it did; a load draws its frame.
  [[nodiscard]] bool openEntry(int Entry);
  /// Loads entry \p Entry of the saved-file list in place of the algorithm.
  void loadAlgorithmFile(int Entry);

private:
  EditorContext Context;
  FileState &Files;
  LabelController &Labels;
  ListingController &Listing;
  /// Every file a save writes goes through here.
  const FileOperations &Disk;
};

#endif
