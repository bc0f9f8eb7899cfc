// A tool-panel widget that shows a Variable as text from the alphabet atlas:
// "name=operand" while a value is being chosen, "name=value" during runs, and
// only the operand or value for the four Labels of the random/repeat area.
#ifndef QUOVADRIN_APP_LABEL_H
#define QUOVADRIN_APP_LABEL_H

#include <string>

#include "app/button.h"

class Variable;

/// Scale of the atlas text of Labels: a glyph cell of 51 units becomes 11.475.
constexpr float LabelTextScale = 0.225f;
/// Pen x of the text when a description stands left of it.
constexpr float LabelTextOffset = 130.0f;

class Label : public Button {
public:
  Label(const char *Name, int CharWidth, int AtlasTexture, Variable *Target, Variable *Operand,
        GLuint ListId, int PickName, int X, int Y, int Width, int Height);
  ~Label() override;

  /// GL_SELECT: the pick rectangle over the text (and the description);
  /// otherwise the compiled text.
  void draw(GLenum Mode) override;
  void rebuild() override;

  /// Shows the operand's name ("x=0", or "0" for the operand-only Labels).
  void showOperand();
  /// Shows the target's value ("x=18", or "18" for the operand-only Labels).
  void showValue();
  /// Sets the caption drawn at the left edge of the panel.
  void setDescription(const std::string &Text);

  Variable *target() const { return Target; }
  void setTarget(Variable *NewTarget) { Target = NewTarget; }
  Variable *operand() const { return Operand; }
  void setOperand(Variable *NewOperand) { Operand = NewOperand; }
  const char *name() const { return Name; }
  const std::string &text() const { return Text; }
  const std::string &description() const { return Description; }
  int hasDescription() const { return HasDescription; }
  int charWidth() const { return CharWidth; }
  /// The Labels c, r, upper and lower show only the operand or the value.
  bool isOperandOnly() const;

private:
  void composeOperandText();
  void drawPickArea() const;

  const char *Name;
  std::string Description;
  std::string Text;
  int HasDescription = 0;
  int CharWidth;
  Variable *Target;
  Variable *Operand;
};

#endif
