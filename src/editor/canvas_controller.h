// The canvas: the pen menu around the pen marker, the edit modes in which
// the pen follows the pointer (its place, offsets, size or rotation), and
// the commit that inserts the commands describing the change, as absolute
// values or as differences from where the mode began. Stamp inserts and
// draws at once.
#ifndef QUOVADRIN_EDITOR_CANVAS_CONTROLLER_H
#define QUOVADRIN_EDITOR_CANVAS_CONTROLLER_H

#include <cstdint>

#include "editor/editor_context.h"
#include "editor/mouse_event.h"
#include "editor/pen_menu.h"
#include "editor/pick_name.h"
#include "exec/variable_set.h"

class LabelController;
class PickActions;
class Variable;
struct ToolSelection;

struct CanvasEditState {
  /// Offset between pointer and pen kept while editing on the canvas.
  int DragOffsetX = 0;
  int DragOffsetY = 0;
  /// The moved Variables' values when a relative mode began; the commit
  /// inserts the change from them.
  UserValues StartValues{};
  PenMenuPlacement PenMenu;
};

class CanvasController {
public:
  CanvasController(EditorContext Shared, CanvasEditState &Edit, LabelController &FieldValues,
                   const ToolSelection &Selection, PickActions &PickHandler)
      : Context(Shared), Canvas(Edit), Labels(FieldValues), Tools(Selection), Actions(PickHandler) {
  }

  /// A button pressed or released over the canvas.
  void onMouse(const MouseEvent &Event);
  /// The pointer moved without a button held: the pen follows it in an
  /// edit mode.
  void onPassiveMotion(int X, int Y);
  /// Places the pen menu around the pen and opens it.
  void openPenMenu();
  /// The left button on a Button of the pen menu.
  void penMenuAction(PickName Name);
  /// Inserts the commands that describe the edit mode's change.
  void commitCanvasEdit();

private:
  void startEdit(PickName Name);
  void enter(InteractionMode Mode);
  void recordStart(UserVariable Which);
  void commitAndLeave();
  void followPointer(InteractionMode Mode);
  void showMovedValues(InteractionMode Mode);
  void insertDifference(Variable &V, int32_t Start);

  EditorContext Context;
  CanvasEditState &Canvas;
  LabelController &Labels;
  const ToolSelection &Tools;
  PickActions &Actions;
};

#endif
