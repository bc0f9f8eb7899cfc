// Test helper: a Platform without a window. It records what the host asks
// of it, keeps the timers the host arms on a clock of its own that the
// test moves on, and answers a save's canvas picture with a small stand-in
// made from the frame it is given, so that host tests run a whole
// laboratory: events in, frames and files out.
#ifndef QUOVADRIN_TESTS_RECORDING_PLATFORM_H
#define QUOVADRIN_TESTS_RECORDING_PLATFORM_H

#include <algorithm>
#include <vector>

#include "host/platform.h"
#include "screen/draw_list.h"

class RecordingPlatform final : public Platform {
public:
  struct Timer {
    long Due = 0;
    unsigned Generation = 0;
  };

  int FrameRequests = 0;
  int FramesShownAtOnce = 0;
  bool IdleStepping = false;
  bool Motion = false;
  bool PassiveMotion = false;
  std::vector<int> StepWaits;
  std::vector<int> Exits;

  /// The platform's clock in milliseconds, and the timers armed and not
  /// yet fired.
  long Now = 0;
  std::vector<Timer> Pending;
  /// Every delay a timer was armed with, in order.
  std::vector<int> Delays;

  int CanvasReads = 0;
  /// Whether the last canvas picture drew the Shapes over the grid.
  bool PictureOnGrid = false;

  void requestFrame() override { ++FrameRequests; }
  void showFrameNow() override { ++FramesShownAtOnce; }
  void setIdleStepping(bool On) override { IdleStepping = On; }
  void armTimer(int Milliseconds, unsigned Generation) override {
    Pending.push_back({Now + Milliseconds, Generation});
    Delays.push_back(Milliseconds);
  }
  void setMotion(bool On) override { Motion = On; }
  void setPassiveMotion(bool On) override { PassiveMotion = On; }
  void waitBetweenSteps(int Length) override { StepWaits.push_back(Length); }
  void exit(int Status) override { Exits.push_back(Status); }

  /// A 4 x 3 grey picture: dark when the canvas was drawn with its grid,
  /// light without.
  GrayImage readCanvas(const DrawList &CanvasPicture) override {
    ++CanvasReads;
    PictureOnGrid = false;
    for (const DrawCommand &Command : CanvasPicture.Commands)
      PictureOnGrid = PictureOnGrid || (Command.Kind == DrawCommandKind::Shapes && Command.OnGrid);
    const unsigned char Grey = PictureOnGrid ? 100 : 250;
    return {std::vector<unsigned char>(4 * 3, Grey), 4, 3};
  }

  /// Fires, in the order they fall due, the timers due up to \p Until
  /// (and those they arm), calling \p Fire with each one's generation; the
  /// clock then stands at \p Until.
  template <typename FireFn> void runClockUntil(long Until, FireFn &&Fire) {
    for (;;) {
      const auto Next =
          std::min_element(Pending.begin(), Pending.end(),
                           [](const Timer &A, const Timer &B) { return A.Due < B.Due; });
      if (Next == Pending.end() || Next->Due > Until)
        break;
      const Timer Due = *Next;
      Pending.erase(Next);
      Now = Due.Due;
      Fire(Due.Generation);
    }
    Now = Until;
  }
};

#endif
