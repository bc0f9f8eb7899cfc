// The handlers the pick table names: each hands a picked name to the
// controller it belongs to. The editor owns the controllers' references
// here and carries out every action on a pick through the table, which
// holds plain pointers to these functions.
#ifndef QUOVADRIN_EDITOR_PICK_HANDLERS_H
#define QUOVADRIN_EDITOR_PICK_HANDLERS_H

#include "editor/editor_context.h"
#include "editor/pick_table.h"

class CanvasController;
class FieldLabels;
class FileController;
class RunController;
class ToolActions;

class PickHandlers {
public:
  PickHandlers(EditorContext Shared, ToolActions &ToolPanel, RunController &Running,
               FileController &FilePanel, CanvasController &CanvasPanel, FieldLabels &Values)
      : Context(Shared), Tools(ToolPanel), Runs(Running), Files(FilePanel), Canvas(CanvasPanel),
        Labels(Values) {}

  static AfterPick chooseOrDrawTool(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick rollDice(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick repeatBlock(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick undo(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick go(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick save(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick showFileList(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick stepFieldUp(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick stepFieldDown(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick print(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick penMenu(PickHandlers &Handlers, const PickResult &Pick);
  /// The left button follows the two-click rule; the right button steps
  /// down at once and leaves the highlight alone.
  static AfterPick stepControlUp(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick stepControlDown(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick insertValue(PickHandlers &Handlers, const PickResult &Pick);
  /// The left button also closes the open listing line.
  static AfterPick restartWithLeft(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick restartWithRight(PickHandlers &Handlers, const PickResult &Pick);
  /// The left button empties everything first; the right one just ends.
  static AfterPick quitWithLeft(PickHandlers &Handlers, const PickResult &Pick);
  static AfterPick quitWithRight(PickHandlers &Handlers, const PickResult &Pick);
  /// A load draws its own frame; an entry the list does not show loads
  /// nothing.
  static AfterPick openFileEntry(PickHandlers &Handlers, const PickResult &Pick);

private:
  EditorContext Context;
  ToolActions &Tools;
  RunController &Runs;
  FileController &Files;
  CanvasController &Canvas;
  FieldLabels &Labels;
};

#endif
