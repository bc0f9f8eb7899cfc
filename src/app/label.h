// The tool-panel widget of a value Label: the Label's text from the alphabet
// atlas, with an optional description at the panel's left edge, compiled
// into a display list. The editor decides what the Label says; the widget
// compiles it anew whenever the text has changed since the last frame.
#ifndef QUOVADRIN_APP_LABEL_H
#define QUOVADRIN_APP_LABEL_H

#include <string>

#include "app/button.h"
#include "screen/screen_layout.h"

class ValueLabel;

class Label : public Button {
public:
  /// Shows \p Model at (X, Y); \p CharWidth is the width per character of
  /// the pick area, which is also its height.
  Label(const ValueLabel &Model, int CharWidth, GLuint AtlasTexture, GLuint ListId, int X, int Y,
        int Width, int Height);
  ~Label() override;

  /// GL_SELECT: the pick rectangle over the text (and the description);
  /// otherwise the compiled text.
  void draw(GLenum Mode) const override;
  void rebuild() override;

  /// Recompiles when the Label's text changed since it was last compiled.
  void sync();

  /// Sets the caption drawn at the left edge of the panel.
  void setDescription(const std::string &Text);

  const ValueLabel &model() const { return Model; }
  const std::string &description() const { return Description; }
  bool hasDescription() const { return HasDescription; }
  int charWidth() const { return CharWidth; }

private:
  void drawPickArea() const;

  const ValueLabel &Model;
  std::string Description;
  bool HasDescription = false;
  int CharWidth;
  unsigned CompiledRevision = 0;
};

#endif
