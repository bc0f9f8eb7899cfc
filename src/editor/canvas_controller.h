// The canvas: the pen menu around the pen marker, the edit modes in which
// the pen follows the pointer (its place, offsets, size or rotation), and
// the commit that inserts the commands describing the change, as absolute
// values or as differences from where the mode began. Stamp inserts and
// draws at once. Points reach it in canvas units.
#ifndef QUOVADRIN_EDITOR_CANVAS_CONTROLLER_H
#define QUOVADRIN_EDITOR_CANVAS_CONTROLLER_H

#include <cstdint>

#include "editor/canvas_edit_state.h"
#include "editor/editor_context.h"
#include "editor/pick_request.h"
#include "editor/pointer_event.h"

class FieldLabels;
class Variable;
struct ToolSelection;

class CanvasController {
public:
  CanvasController(EditorContext Shared, CanvasEditState &Edit, FieldLabels &FieldValues,
                   const ToolSelection &Selection)
      : Context(Shared), Canvas(Edit), Labels(FieldValues), Tools(Selection) {}

  /// A button pressed or released over the canvas at \p InCanvas. A press
  /// on the open pen menu asks the editor to act on what it found there;
  /// the editor then calls afterMenuAction.
  [[nodiscard]] PickRequest onMouse(const PointerEvent &Event, LayoutPoint InCanvas);
  /// After the editor has acted on a pen-menu pick: a menu Button that
  /// started an edit mode keeps it, anything else closes the menu.
  void afterMenuAction(const PickRequest &Done);
  /// The pointer moved to \p InCanvas without a button held: the pen
  /// follows it in an edit mode.
  void onPassiveMotion(LayoutPoint InCanvas);
  /// The left button on a Button of the pen menu.
  void penMenuAction(PickName Name);

private:
  void openPenMenu();
  void commitCanvasEdit();
  void startEdit(PickName Name);
  void enter(InteractionMode Mode);
  void recordStart(UserVariable Which);
  void commitAndLeave();
  void followPointer(InteractionMode Mode);
  void showMovedValues(InteractionMode Mode);
  void insertDifference(Variable &V, int32_t Start);

  EditorContext Context;
  CanvasEditState &Canvas;
  FieldLabels &Labels;
  const ToolSelection &Tools;
};

#endif
