// The editor's side of the program: the screen size, how the canvas is
// shown, the modes and selections, the button held and the pointer, the
// value Labels, the message, the saved-file list and the pen menu. The
// editor changes it; the window draws it and never changes it.
#ifndef QUOVADRIN_EDITOR_EDITOR_STATE_H
#define QUOVADRIN_EDITOR_EDITOR_STATE_H

#include "editor/field_labels.h"
#include "editor/interaction_mode.h"
#include "editor/message.h"
#include "editor/pen_menu.h"
#include "editor/pick_name.h"
#include "editor/screen_space.h"
#include "files/saved_files.h"

/// Auto-scroll of the listing while a scroll strip is held.
enum class ListingScroll { None, Up, Down };

/// The first interval of an auto-repeat, in milliseconds.
constexpr int InitialRepeatDelay = 500;
/// The value a save counter starts at: the first save uses the letter "a".
constexpr int InitialSaveLetter = 96;

/// The most rows the saved-file list shows: 60 rows of 12 units put its top
/// at y = 10; one more would reach above the screen.
constexpr int MaxFileListRows = 60;

/// The saved-file list the load Button opens: the files shown and a
/// revision that tells the window to build its list anew.
struct SavedFileList {
  SavedFileWindow Files;
  unsigned Revision = 0;
};

struct EditorState {
  explicit EditorState(const VariableSet &Vars) : Labels(Vars) {}

  ScreenSize Screen;

  /// The canvas shows the grid and the pen marker and draws shapes in grey;
  /// off after a run, for the clean picture.
  bool GridVisible = true;
  /// 1-based index of the first listing line shown.
  int ListingTop = 1;
  /// The drawing tool (a pick name 1, 2, 3, 7 to 12, equal to its shape kind).
  int SelectedTool = pickValue(PickName::Square);
  /// The highlighted parameter row, 1 to 10.
  int SelectedFieldRow = 1;
  /// The highlighted control of the random/repeat area.
  PickName SelectedControl = PickName::Dice;
  InteractionMode Mode = InteractionMode::Idle;
  bool FileListVisible = false;
  ListingScroll Scroll = ListingScroll::None;
  /// The current listing line is open for editing.
  bool CommandEditing = false;

  /// Pick name (19 to 37) of the field under a held button; -1 none.
  int HeldPick = -1;
  /// Auto-repeat interval in milliseconds.
  int RepeatDelay = InitialRepeatDelay;
  /// Timers armed for an earlier press carry an older generation.
  unsigned TimerGeneration = 0;
  /// The pointer in layout units of the whole screen.
  int PointerX = 0;
  int PointerY = 0;
  /// Offset between pointer and pen kept while editing on the canvas.
  int DragOffsetX = 0;
  int DragOffsetY = 0;
  /// The command last pressed in the listing; a second press on it opens it.
  int LastListingClick = 0;

  /// Incremented before each save; its low byte is the file-name letter.
  int SaveLetter = InitialSaveLetter;

  FieldLabels Labels;
  Message Popup;
  SavedFileList FileList;
  PenMenuPlacement PenMenu;
};

#endif
