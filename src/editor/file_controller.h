// Saving and loading from the editor: the save Button asks the host to save
// the learner's work and tells the learner how it went, the load Button
// opens the list of saved files, and an entry of that list (or any
// algorithm file the host names) replaces the learner's algorithm and
// Variables.
#ifndef QUOVADRIN_EDITOR_FILE_CONTROLLER_H
#define QUOVADRIN_EDITOR_FILE_CONTROLLER_H

#include <string>

#include "editor/editor_context.h"
#include "editor/file_state.h"

class FieldLabels;
struct ListingState;

class FileController {
public:
  FileController(EditorContext Shared, FileState &State, FieldLabels &FieldValues,
                 ListingState &ListingView)
      : Context(Shared), Files(State), Labels(FieldValues), Listing(ListingView) {}

  bool fileListVisible() const { return Files.ListVisible; }
  /// The learner's work saved through the host; the message tells how it
  /// went.
  void save();
  /// The list of saved files opens, read anew from the folder.
  void showFileList();
  void hideFileList() { Files.ListVisible = false; }
  /// The left button on entry \p Entry of the list: only an entry of the
  /// list on screen loads. Returns whether it did; a load draws its frame.
  [[nodiscard]] bool openEntry(int Entry);
  /// Reads the algorithm file \p Path in place of the learner's algorithm
  /// and Variables, as an entry of the list does; the list closes and a
  /// frame is drawn at once. A file that cannot be read leaves the work as
  /// it was and says so on the canvas.
  LoadResult loadAlgorithmFile(const std::string &Path);

private:
  EditorContext Context;
  FileState &Files;
  FieldLabels &Labels;
  ListingState &Listing;
};

#endif
