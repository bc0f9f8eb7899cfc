// Test helper: a Window that draws nothing and records what the editor asks
// of it (frames, the idle step, timers, pointer callbacks, exits, canvas
// pictures and vector pictures), so editor tests can check the requests
// without a display.
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
  struct Picture {
    std::string Path;
    FileFaultPlan Faults;
  };

  int Redisplays = 0;
  int Draws = 0;
  /// Called at each drawNow, to look at the state a frame would show.
  std::function<void()> OnDraw;

  int IdleInstalls = 0;
  int IdleRemovals = 0;
  bool IdleStepping = false;

  std::vector<Timer> Timers;

  int PassiveMotionInstalls = 0;
  int PassiveMotionRemovals = 0;
  bool PassiveMotion = false;
  int MotionInstalls = 0;
  int MotionRemovals = 0;
  bool Motion = false;

  std::vector<int> Exits;

  std::vector<Picture> Pictures;
  /// What writeCanvasPicture answers.
  FileResult PictureResult = FileResult::Done;
  /// When set, writes the picture instead, and its result is the answer.
  std::function<FileResult(const std::string &Path, const FileFaultPlan &Faults)> PictureWriter;

  std::vector<Picture> VectorPictures;
  /// What writeVectorPicture answers.
  bool VectorPictureResult = true;
  /// When set, writes the vector picture instead, and its result is the answer.
  std::function<bool(const std::string &Path, const FileFaultPlan &Faults)> VectorPictureWriter;

  void postRedisplay() override { ++Redisplays; }

  void drawNow() override {
    ++Draws;
    if (OnDraw)
      OnDraw();
  }

  void setIdleStepping(bool On) override { toggle(On, IdleStepping, IdleInstalls, IdleRemovals); }

  void armTimer(int Milliseconds, unsigned Generation) override {
    Timers.push_back({Milliseconds, Generation});
  }

  void setPassiveMotion(bool On) override {
    toggle(On, PassiveMotion, PassiveMotionInstalls, PassiveMotionRemovals);
  }

  void setMotion(bool On) override { toggle(On, Motion, MotionInstalls, MotionRemovals); }

  FileResult writeCanvasPicture(const std::string &Path, const FileFaultPlan &Faults) override {
    Pictures.push_back({Path, Faults});
    return PictureWriter ? PictureWriter(Path, Faults) : PictureResult;
  }

  bool writeVectorPicture(const std::string &Path, const FileFaultPlan &Faults) override {
    VectorPictures.push_back({Path, Faults});
    return VectorPictureWriter ? VectorPictureWriter(Path, Faults) : VectorPictureResult;
  }

  void exit(int Status) override { Exits.push_back(Status); }

private:
  static void toggle(bool On, bool &State, int &Installs, int &Removals) {
    ++(On ? Installs : Removals);
    State = On;
  }
};

#endif
