// Building the program for the page and drawing its frames.
#include "web/web_application.h"

#include <unistd.h>

#include "editor/listing_scroll.h"
#include "exec/example_algorithm.h"
#include "files/alg_writer.h"
#include "files/gray_png.h"
#include "screen/panel_rect.h"
#include "screen/screen_frame.h"
#include "web/page.h"

WebApplication::WebApplication(int32_t Seed, const std::string &ImageFolder, ScreenSize Size)
    : Work(Seed), State(Work.variables()), Renderer(ImageFolder), Host(*this), Picks(Work, State),
      Editing(Work, State, Host, Picks, Storage), SaveLetterSeen(State.Files.SaveLetter) {
  State.Screen = Size;
  // The example block is appended once: a learner sees one loop, not two.
  appendExampleBlock(Work.algorithm(), Work.variables());
  prepareFrame();
}

void WebApplication::prepareFrame() { keepCurrentVisible(State.Listing, Work.algorithm()); }

void WebApplication::drawFrame() {
  prepareFrame();
  Host.RedisplayPending = false;
  Host.DrawNowPending = false;
  LastFrameShowedGrid = State.GridVisible;
  Renderer.syncShapes(Work.drawing(), State.Screen);
  buildFrame(Frame, Work, State);
  Renderer.draw(Frame, State.Screen);
  pageFrameDrawn();
}

void WebApplication::resize(ScreenSize Size) {
  if (Size.Width <= 0 || Size.Height <= 0)
    return;
  State.Screen = Size;
  Host.RedisplayPending = true;
}

GrayImage WebApplication::canvasPicture() {
  // A frame asked for but not yet drawn is the one the learner sees.
  if (Host.DrawNowPending)
    LastFrameShowedGrid = State.GridVisible;
  Renderer.syncShapes(Work.drawing(), State.Screen);
  buildCanvasPicture(Frame, Work, State, LastFrameShowedGrid);
  Renderer.draw(Frame, State.Screen);
  const PanelRect Canvas = panelRect(Panel::Canvas, State.Screen);
  GrayImage Picture{readCanvasGray(State.Screen), Canvas.Width, Canvas.Height};
  // The drawing buffer now holds the picture alone: the frame comes back
  // before the browser shows it.
  Host.DrawNowPending = true;
  return Picture;
}

void WebApplication::afterEvent() {
  noticeSave();
  if (Host.Ended)
    return;
  if (Host.DrawNowPending)
    drawFrame();
}

void WebApplication::animationFrame() {
  if (Host.Ended)
    return;
  if (Host.IdleStepping)
    Editing.idleStep();
  if (Host.DrawNowPending || Host.RedisplayPending)
    drawFrame();
}

// A save moves the letter on; the files that are there under its names
// were written by it.
void WebApplication::noticeSave() {
  if (State.Files.SaveLetter == SaveLetterSeen)
    return;
  SaveLetterSeen = State.Files.SaveLetter;
  const SaveNames Names = saveNames(Work.seedText(), saveLetterText(State.Files.SaveLetter));
  if (access(Names.AlgorithmPath.c_str(), F_OK) == 0 &&
      access(Names.PicturePath.c_str(), F_OK) == 0)
    pageFilesSaved(Names.AlgorithmPath, Names.PicturePath);
}
