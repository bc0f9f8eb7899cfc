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
    : S(Seed), E(S.variables()), Renderer(ImageFolder), Win(*this), Pick(S, E),
      Ed(S, E, Win, Pick, Storage), SaveLetterSeen(E.Files.SaveLetter) {
  E.Screen = Size;
  // The example block is appended once: a learner sees one loop, not two.
  appendExampleBlock(S.algorithm(), S.variables());
  prepareFrame();
}

void WebApplication::prepareFrame() { keepCurrentVisible(E.Listing, S.algorithm()); }

void WebApplication::drawFrame() {
  prepareFrame();
  Win.RedisplayPending = false;
  Win.DrawNowPending = false;
  LastFrameShowedGrid = E.GridVisible;
  Renderer.syncShapes(S.drawing(), E.Screen);
  buildFrame(Frame, S, E);
  Renderer.draw(Frame, E.Screen);
  pageFrameDrawn();
}

void WebApplication::resize(ScreenSize Size) {
  if (Size.Width <= 0 || Size.Height <= 0)
    return;
  E.Screen = Size;
  Win.RedisplayPending = true;
}

GrayImage WebApplication::canvasPicture() {
  // A frame asked for but not yet drawn is the one the learner sees.
  if (Win.DrawNowPending)
    LastFrameShowedGrid = E.GridVisible;
  Renderer.syncShapes(S.drawing(), E.Screen);
  buildCanvasPicture(Frame, S, E, LastFrameShowedGrid);
  Renderer.draw(Frame, E.Screen);
  const PanelRect Canvas = panelRect(Panel::Canvas, E.Screen);
  GrayImage Picture{readCanvasGray(E.Screen), Canvas.Width, Canvas.Height};
  // The drawing buffer now holds the picture alone: the frame comes back
  // before the browser shows it.
  Win.DrawNowPending = true;
  return Picture;
}

void WebApplication::afterEvent() {
  noticeSave();
  if (Win.Ended)
    return;
  if (Win.DrawNowPending)
    drawFrame();
}

void WebApplication::animationFrame() {
  if (Win.Ended)
    return;
  if (Win.IdleStepping)
    Ed.idleStep();
  if (Win.DrawNowPending || Win.RedisplayPending)
    drawFrame();
}

// A save moves the letter on; the files that are there under its names
// were written by it.
void WebApplication::noticeSave() {
  if (E.Files.SaveLetter == SaveLetterSeen)
    return;
  SaveLetterSeen = E.Files.SaveLetter;
  const SaveNames Names = saveNames(S.seedText(), saveLetterText(E.Files.SaveLetter));
  if (access(Names.AlgorithmPath.c_str(), F_OK) == 0 &&
      access(Names.PicturePath.c_str(), F_OK) == 0)
    pageFilesSaved(Names.AlgorithmPath, Names.PicturePath);
}
