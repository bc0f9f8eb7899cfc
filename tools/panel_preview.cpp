// Renders the tool panel, the pen menu and sample listing text at a given
// screen size and saves the frame as a PNG, so that the layout and the
// legibility of the atlas text can be looked at without the whole program.
// Usage (in a working directory holding vorpData/ and alphabetTextures/):
//   quovadrin_panel_preview WIDTH HEIGHT OUTPUT.png
#include <GL/freeglut.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/screen.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "images/png_file.h"
#include "screen/atlas_text.h"
#include "screen/canvas_frame.h"
#include "screen/screen_layout.h"
#include "screen/tool_panel_frame.h"

namespace {

/// What the one frame shows; GLUT's display callback takes no arguments.
struct Preview {
  int Width = 1280;
  int Height = 1024;
  const char *Output = "preview.png";
  Session Program{1};
  EditorState State{Program.variables()};
  std::unique_ptr<Screen> Resources;
  DrawList Frame;
};

Preview *Shown = nullptr;

void appendListingSample(DrawListBuilder &Out) {
  const char *Lines[] = {"Wiederhole 20 mal:",
                         "Gib max den Wert 18",
                         "Gib min den Wert 8",
                         "Zufallswert fuer x zwischen max und min",
                         "Zufallswert fuer y zwischen max und min",
                         "Zeichne Quadrat",
                         "Addiere 3 zu x",
                         "Subtrahiere 3 von x",
                         "Multipliziere dx mit 2",
                         "Zeichne Rasterlinie",
                         "\xC4\xD6\xDC \xE4\xF6\xFC = \xC7 \xE9 \xE2 [\\] ^_` {|}~ \xDF",
                         "Wiederhole bis hier."};
  Out.panel(Panel::Listing);
  Out.setColour(1, 1, 1, 1);
  const int Count = static_cast<int>(sizeof(Lines) / sizeof(Lines[0]));
  for (int I = 0; I < Count; ++I)
    appendAtlasText(Out, Lines[I], I == 0 || I == Count - 1 ? 0.0f : 8.0f, listingRowTop(I),
                    ListingTextScale, 0, 0, ListingTextAdvance);
}

void appendPenMenuSample(DrawListBuilder &Out, Preview &P) {
  P.Program.variables().x().setValue(8);
  P.Program.variables().y().setValue(10);
  P.State.Canvas.PenMenu.Corners = penMenuCorners(penCentre(P.Program.variables()));
  ++P.State.Canvas.PenMenu.Revision;
  P.State.Mode = InteractionMode::PenMenuOpen;
  Out.panel(Panel::Canvas);
  appendCanvasOverlays(Out, P.Program, P.State);
}

void save(const Preview &P) {
  const int Width = P.Width, Height = P.Height;
  std::vector<unsigned char> Pixels(static_cast<size_t>(Width) * static_cast<size_t>(Height) * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, Width, Height, GL_RGB, GL_UNSIGNED_BYTE, Pixels.data());
  std::vector<unsigned char> TopFirst(Pixels.size());
  const size_t Row = static_cast<size_t>(Width) * 3;
  for (int Y = 0; Y < Height; ++Y)
    std::copy_n(&Pixels[static_cast<size_t>(Height - 1 - Y) * Row], Row,
                &TopFirst[static_cast<size_t>(Y) * Row]);
  if (!writePng(P.Output, Width, Height, 2, 3, TopFirst))
    std::fprintf(stderr, "Cannot write %s\n", P.Output);
}

void display() {
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  Shown->Frame.clear();
  DrawListBuilder Out(Shown->Frame);
  appendToolPanel(Out, Shown->State);
  appendPenMenuSample(Out, *Shown);
  appendListingSample(Out);
  Shown->Resources->renderer().draw(Shown->Frame, Shown->Program.drawing(), Shown->State.Layout);
  save(*Shown);
  std::exit(0);
}

} // namespace

int main(int argc, char **argv) {
  glutInit(&argc, argv);
  static Preview P;
  if (argc == 4) {
    P.Width = std::atoi(argv[1]);
    P.Height = std::atoi(argv[2]);
    P.Output = argv[3];
  }
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
  glutInitWindowPosition(0, 0);
  glutInitWindowSize(P.Width, P.Height);
  glutCreateWindow("Quovadrin panel preview");
  P.State.Layout = WindowLayout(ScreenSize{P.Width, P.Height});
  P.Resources = std::make_unique<Screen>();
  Shown = &P;
  glutDisplayFunc(display);
  glutMainLoop();
  return 0;
}
