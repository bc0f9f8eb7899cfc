// The program in the web page: the Session, the editor's state and the
// editor, the WebGL back end that draws the frames, the geometric picker
// (WebGL has no selection mode) and the window the editor talks to. The
// page's events reach it through web_events.cpp.
#ifndef QUOVADRIN_WEB_WEB_APPLICATION_H
#define QUOVADRIN_WEB_WEB_APPLICATION_H

#include <cstdint>
#include <string>

#include "editor/editor.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "files/file_operations.h"
#include "screen/draw_list.h"
#include "screen/geometric_picker.h"
#include "web/web_window.h"
#include "webgl/frame_renderer.h"

class WebApplication {
public:
  /// \p Seed seeds the random generator and names the saved files; the
  /// images lie below \p ImageFolder; \p Size is the canvas's pixel size.
  /// Needs a current WebGL context.
  WebApplication(int32_t Seed, const std::string &ImageFolder, ScreenSize Size);
  WebApplication(const WebApplication &) = delete;
  WebApplication &operator=(const WebApplication &) = delete;

  bool ready() const { return Renderer.ready(); }
  Editor &editor() { return Editing; }
  const WebWindow &window() const { return Host; }
  const Session &session() const { return Work; }

  /// Brings the listing's scroll position up to date, so that a pick sees
  /// what the next frame shows.
  void prepareFrame();
  /// One complete frame on the canvas.
  void drawFrame();
  /// The canvas now has \p Size pixels.
  void resize(ScreenSize Size);
  /// The canvas as the last frame showed it, drawn again and read back in
  /// grey.
  GrayImage canvasPicture();

  /// After each event: the frame the event asked for, and the files a save
  /// wrote handed to the page.
  void afterEvent();
  /// One animation frame of the browser: a step of the animated run, then
  /// the frame asked for.
  void animationFrame();

private:
  void noticeSave();

  Session Work;
  EditorState State;
  /// The learner's files are written through here, into the browser's
  /// file system.
  FileOperations Storage;
  FrameRenderer Renderer;
  WebWindow Host;
  GeometricPicker Picks;
  Editor Editing;
  DrawList Frame;
  /// Whether the last frame showed the canvas with its grid: the saved
  /// picture shows the canvas as the learner last saw it.
  bool LastFrameShowedGrid = true;
  int SaveLetterSeen;
};

#endif
