// Test helper: a Window that draws nothing and records what the editor asks
// of it (frames, the idle step, timers, pointer callbacks, exits, canvas
// pictures and vector pictures), so editor tests can check the requests
// without a display. The pictures it hands out are small stand-ins, which
// the editor writes as it writes the real ones.
#ifndef QUOVADRIN_TESTS_RECORDING_WINDOW_H
#define QUOVADRIN_TESTS_RECORDING_WINDOW_H

#include <functional>
#include <string>
#include <vector>

#include "editor/window.h"

class RecordingWindow final : public Window {
public:
  struct Timer {
    int Milliseconds = 0;
    unsigned Generation = 0;
  };

  int Redisplays = 0;
  int Draws = 0;
  /// Called at each drawNow, to look at the state a frame would show.
  std::function<void()> OnDraw;

  int IdleInstalls = 0;
  int IdleRemovals = 0;
  bool IdleStepping = false;

  std::vector<Timer> Timers;
  /// The pauses after the animated run's steps, recorded instead of spent.
  std::vector<int> StepWaits;

  int PassiveMotionInstalls = 0;
  int PassiveMotionRemovals = 0;
  bool PassiveMotion = false;
  int MotionInstalls = 0;
  int MotionRemovals = 0;
  bool Motion = false;

  std::vector<int> Exits;

  int PictureRequests = 0;
  /// What canvasPicture answers: a light grey canvas of 64 x 48.
  GrayImage Picture{std::vector<unsigned char>(64 * 48, 200), 64, 48};

  int VectorPictureRequests = 0;
  /// What writeVectorPicture writes, as one text.
  std::function<std::string()> VectorPictureText = [] { return std::string("<svg/>\n"); };
  /// When set, what writeVectorPicture writes instead, piece by piece, as
  /// the program's window writes a real picture.
  TextProducer VectorPictureStream;

  void postRedisplay() override { ++Redisplays; }

  void drawNow() override {
    ++Draws;
    if (OnDraw)
      OnDraw();
  }

  void waitBetweenSteps(int Length) override { StepWaits.push_back(Length); }

  void setIdleStepping(bool On) override { toggle(On, IdleStepping, IdleInstalls, IdleRemovals); }

  void armTimer(int Milliseconds, unsigned Generation) override {
    Timers.push_back({Milliseconds, Generation});
  }

  void setPassiveMotion(bool On) override {
    toggle(On, PassiveMotion, PassiveMotionInstalls, PassiveMotionRemovals);
  }

  void setMotion(bool On) override { toggle(On, Motion, MotionInstalls, MotionRemovals); }

  GrayImage canvasPicture() override {
    ++PictureRequests;
    return Picture;
  }

  bool writeVectorPicture(const TextSink &Sink) override {
    ++VectorPictureRequests;
    if (VectorPictureStream)
      return VectorPictureStream(Sink);
    const std::string Text = VectorPictureText();
    return Sink(Text.data(), Text.size());
  }

  void exit(int Status) override { Exits.push_back(Status); }

private:
  static void toggle(bool On, bool &State, int &Installs, int &Removals) {
    ++(On ? Installs : Removals);
    State = On;
  }
};

#endif
