// Building and drawing the message popup.
#include "app/message_box.h"

#include "app/atlas_panel.h"

namespace {

// The text starts a little inside the box's corner, in scaled atlas units.
constexpr float TextPenX = 10.0f;
constexpr float TextPenY = 15.0f;
constexpr float TextLineAdvance = 51.0f;

} // namespace

MessageBox::MessageBox(GLuint AtlasTexture, const std::string &NewText, int CentreX, int CentreY) {
  Text = NewText;
  Texture = AtlasTexture;
  ListId = glGenLists(1);
  Width = MessageCharWidth * static_cast<int>(Text.size());
  Height = MessageBoxHeight;
  X = CentreX - Width / 2;
  Y = CentreY - Height / 2;
  compile();
}

MessageBox::~MessageBox() {
  if (ListId != 0)
    glDeleteLists(ListId, 1);
}

void MessageBox::compile() {
  glNewList(ListId, GL_COMPILE);
  emitOutlinedPanel(X, Y, Width, Height);
  glColor4f(1, 1, 1, 1);
  glEnable(GL_TEXTURE_2D);
  emitPanelText(Texture, X, Y, Text.c_str(), TextPenX, TextPenY, TextLineAdvance);
  glDisable(GL_TEXTURE_2D);
  glEndList();
}

void MessageBox::draw(GLenum Mode) const {
  if (Mode == GL_RENDER)
    glCallList(ListId);
}
