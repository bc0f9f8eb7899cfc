// One running laboratory, the same on every platform: the learner's
// Session, the editor's state, the file operations every save writes
// through, the editor, the picking, the frame each platform draws and the
// flow of a save. A platform (the desktop's GLUT window, the web page, a
// test) opens its surface, hands the host its events, draws the frames the
// host builds and carries out the host's requests through Platform.
//
// Events, each carried out at once; after each, takeSavedFiles() hands over
// what a save wrote:
//   pointerButton  a button pressed or released at a window pixel, with the
//                  side of the box that picks there (5 for the mouse, more
//                  for a finger)
//   pointerMotion  the pointer moved, with a button held or not; taken only
//                  while the editor asked for it (wantsMotion and
//                  wantsPassiveMotion)
//   key            a character: Escape ends, the space bar shows a message,
//                  'p' draws a frame at once
//   timer, idle    the platform's timers and idle calls it was asked for
//   resize         the window's new pixel size
// Frames: frame() builds the frame to draw now; a platform draws it when
// it was asked to (Platform::requestFrame, showFrameNow) and whenever its
// window needs it.
// The learner's work, for a platform that keeps drafts and links:
// openAlgorithmFile, algorithmText, workRevision and hasUnsavedWork.
#ifndef QUOVADRIN_HOST_HOST_H
#define QUOVADRIN_HOST_HOST_H

#include <cstdint>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_host.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "files/file_operations.h"
#include "host/frame_picker.h"
#include "host/platform.h"
#include "host/save_flow.h"
#include "screen/draw_list.h"

class Host {
public:
  /// The laboratory as it starts: \p Seed seeds the random generator and
  /// names the saved files, \p Size is the window's pixel size, the example
  /// algorithm is listed, and every file a save writes goes through
  /// \p Storage.
  Host(int32_t Seed, Platform &Surface, ScreenSize Size, FileOperations Storage = FileOperations());
  Host(const Host &) = delete;
  Host &operator=(const Host &) = delete;

  // Events.
  void pointerButton(const PointerEvent &Event);
  /// Returns whether the motion was wanted and handed to the editor.
  bool pointerMotion(const PointerMotion &Motion, bool ButtonHeld);
  void key(unsigned char Key);
  void timer(unsigned Generation);
  void idle();
  /// A size without area (a minimised window) is ignored: the last size
  /// still fits the pointer when the window comes back.
  void resize(ScreenSize Size);

  /// The frame to draw now, with the listing's scroll position settled;
  /// valid until the next call.
  const DrawList &frame();

  // The learner's work.
  /// Replaces the algorithm and Variables with those of the algorithm file
  /// \p Path exactly as an entry of the saved-file list does (same reader,
  /// same limits); when the file cannot be read the work stays as it was
  /// and the canvas says so.
  [[nodiscard]] LoadResult openAlgorithmFile(const std::string &Path);
  /// The algorithm as the exact bytes a save writes to its .alg file; the
  /// current line stays where it is.
  [[nodiscard]] std::string algorithmText();
  /// Changes whenever the algorithm does: any insert, delete, move, edit,
  /// load or clear.
  uint64_t workRevision() const { return Work.workRevision(); }
  /// Whether the algorithm has changed since the start, the last save or
  /// the last load.
  bool hasUnsavedWork() const { return Work.hasUnkeptWork(); }
  /// The paths the last event's save wrote: the algorithm, the picture and
  /// the vector picture when it was written; none when there was no save
  /// or it failed.
  const std::vector<std::string> &savedFiles() const { return Saves.written(); }
  /// The same paths, handed over once: a platform that stores or offers a
  /// save's files must never see one save twice, even when its next call
  /// reaches no event of the host (a gesture that ends without a press).
  [[nodiscard]] std::vector<std::string> takeSavedFiles() { return Saves.takeWritten(); }

  // What platforms and tests look at.
  bool ended() const { return Ended; }
  bool idleStepping() const { return IdleStepping; }
  bool wantsMotion() const { return MotionWanted; }
  bool wantsPassiveMotion() const { return PassiveMotionWanted; }
  const WindowLayout &layout() const { return State.Layout; }
  Session &session() { return Work; }
  const Session &session() const { return Work; }
  EditorState &state() { return State; }
  const EditorState &state() const { return State; }
  /// The file operations saves write through; tests plan failures on it.
  FileOperations &storage() { return Storage; }
  /// The save counter (its low byte is the letter of the last save).
  int saveLetter() const { return Saves.letter(); }

private:
  /// The editor's requests, carried out by the host (host_requests.cpp).
  class Requests final : public EditorHost {
  public:
    explicit Requests(Host &Owner) : Lab(Owner) {}

    void postRedisplay() override;
    void drawNow() override;
    void setIdleStepping(bool On) override;
    void armTimer(int Milliseconds, unsigned Generation) override;
    void setPassiveMotion(bool On) override;
    void setMotion(bool On) override;
    void waitBetweenSteps(int Length) override;
    SaveOutcome saveWork() override;
    void exit(int Status) override;

  private:
    Host &Lab;
  };

  /// What every event begins with: the last save's paths forgotten and the
  /// listing's top settled, so that a pick sees what the next frame shows.
  void beginEvent();
  GrayImage canvasPicture();

  Platform &Surface;
  Session Work;
  EditorState State;
  FileOperations Storage;
  SaveFlow Saves;
  FramePicker Picks;
  Requests Asked{*this};
  Editor Editing;
  DrawList Frame;
  DrawList PictureFrame;
  /// Whether the frame on screen (or the one asked to be shown at once)
  /// shows the grid: a saved picture shows the canvas as the learner sees
  /// it.
  bool ShownGrid = true;
  bool IdleStepping = false;
  bool MotionWanted = false;
  bool PassiveMotionWanted = false;
  bool Ended = false;
};

#endif
