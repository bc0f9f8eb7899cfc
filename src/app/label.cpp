// Compiling a Label's text with the atlas, and its pick area.
#include "app/label.h"

#include "editor/value_label.h"
#include "gfx/text_renderer.h"

namespace {

void emitScaledText(const std::string &Text, float X, float Y, float PenX, GLuint Texture) {
  glLoadIdentity();
  glTranslatef(X, Y, 0);
  glScalef(LabelTextScale, LabelTextScale, LabelTextScale);
  glBindTexture(GL_TEXTURE_2D, Texture);
  TextRenderer::emitText(Text.c_str(), PenX, 0, static_cast<float>(GlyphQuadSize));
}

} // namespace

Label::Label(const ValueLabel &GivenModel, int GivenCharWidth, GLuint AtlasTexture,
             GLuint GivenListId, int GivenX, int GivenY, int GivenWidth, int GivenHeight)
    : Button(AtlasTexture, GivenListId, pickValue(GivenModel.pick()), GivenX, GivenY, GivenWidth,
             GivenHeight),
      Model(GivenModel), CharWidth(GivenCharWidth) {
  rebuild();
}

Label::~Label() = default;

void Label::sync() {
  if (CompiledRevision != Model.revision())
    rebuild();
}

void Label::setDescription(const std::string &NewDescription) {
  Description = NewDescription;
  HasDescription = true;
  rebuild();
}

void Label::rebuild() {
  CompiledRevision = Model.revision();
  glNewList(ListId, GL_COMPILE);
  glEnable(GL_TEXTURE_2D);
  glPushMatrix();
  if (HasDescription)
    emitScaledText(Description, 5, static_cast<float>(Y), 0, Texture);
  glPopMatrix();
  glPushMatrix();
  emitScaledText(Model.text(), static_cast<float>(X), static_cast<float>(Y),
                 HasDescription ? LabelTextOffset : 0, Texture);
  glPopMatrix();
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

// The text the area covers is the Label's current one, so a pick is right
// even before the next frame has compiled it.
void Label::drawPickArea() const {
  const int Left = HasDescription ? 5 : X;
  const int Right = X + static_cast<int>(Model.text().size()) * CharWidth;
  glBegin(GL_POLYGON);
  glVertex2i(Left, Y);
  glVertex2i(Left, Y + CharWidth);
  glVertex2i(Right, Y + CharWidth);
  glVertex2i(Right, Y);
  glEnd();
}

void Label::draw(GLenum Mode) const {
  if (Mode == GL_SELECT)
    drawPickArea();
  else
    glCallList(ListId);
}
