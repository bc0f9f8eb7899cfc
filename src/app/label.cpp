// Composing a Label's text, compiling it with the atlas, and its pick area.
#include "app/label.h"

#include "app/ui_hooks.h"
#include "gfx/text_renderer.h"
#include "model/text_format.h"
#include "model/variable.h"

namespace {

const std::string &nameOf(const Variable *V) {
  static const std::string None;
  return V ? V->name() : None;
}

void emitScaledText(const std::string &Text, float X, float Y, float PenX, int Texture) {
  glLoadIdentity();
  glTranslatef(X, Y, 0);
  glScalef(LabelTextScale, LabelTextScale, LabelTextScale);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(Texture));
  TextRenderer::emitText(Text.c_str(), PenX, 0, static_cast<float>(GlyphQuadSize));
}

} // namespace

Label::Label(const char *Name, int CharWidth, int AtlasTexture, Variable *Target,
             Variable *Operand, GLuint ListId, int PickName, int X, int Y, int Width, int Height)
    : Button(AtlasTexture, ListId, PickName, X, Y, Width, Height), Name(Name),
      CharWidth(CharWidth), Target(Target), Operand(Operand) {
  composeOperandText();
  rebuild();
}

Label::~Label() = default;

bool Label::isOperandOnly() const {
  return PickName == 34 || PickName == 35 || PickName == 58 || PickName == 59;
}

void Label::composeOperandText() {
  if (isOperandOnly())
    Text = nameOf(Operand);
  else
    Text = nameOf(Target) + "=" + nameOf(Operand);
}

void Label::showOperand() {
  composeOperandText();
  rebuild();
  requestRedisplay();
}

void Label::showValue() {
  const int Value = Target ? Target->value() : 0;
  if (isOperandOnly())
    Text = formatText("%i", Value);
  else
    Text = formatText("%s=%i", nameOf(Target).c_str(), Value);
  rebuild();
  requestRedisplay();
}

void Label::setDescription(const std::string &NewDescription) {
  Description = NewDescription;
  HasDescription = 1;
  rebuild();
  requestRedisplay();
}

void Label::rebuild() {
  glNewList(ListId, GL_COMPILE);
  glEnable(GL_TEXTURE_2D);
  glPushMatrix();
  if (HasDescription)
    emitScaledText(Description, 5, static_cast<float>(Y), 0, Texture);
  glPopMatrix();
  glPushMatrix();
  emitScaledText(Text, static_cast<float>(X), static_cast<float>(Y),
                 HasDescription ? LabelTextOffset : 0, Texture);
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

void Label::drawPickArea() const {
  const int Left = HasDescription ? 5 : X;
  const int Right = X + static_cast<int>(Text.size()) * CharWidth;
  glBegin(GL_POLYGON);
  glVertex2i(Left, Y);
  glVertex2i(Left, Y + CharWidth);
  glVertex2i(Right, Y + CharWidth);
  glVertex2i(Right, Y);
  glEnd();
}

void Label::draw(GLenum Mode) {
  if (Mode == GL_SELECT)
    drawPickArea();
  else
    glCallList(ListId);
}
