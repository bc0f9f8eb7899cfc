// Test helper: an EditorHost that draws nothing and records what the editor
// asks of it (frames, the idle step, timers, pointer motion, exits), so
// editor tests can check the requests without a display. Saves go through
// the host's own save flow, with a small stand-in for the canvas picture,
// so that saved files are real files the editor can list and load again.
#ifndef QUOVADRIN_TESTS_RECORDING_HOST_H
#define QUOVADRIN_TESTS_RECORDING_HOST_H

#include <functional>
#include <vector>

#include "editor/editor_host.h"
#include "host/save_flow.h"

class RecordingHost final : public EditorHost {
  /// The work the saves write; first, as the save flow is made with it.
  Session &Work;

public:
  struct Timer {
    int Milliseconds = 0;
    unsigned Generation = 0;
  };

  /// Saves \p Saved through \p Storage.
  RecordingHost(Session &Saved, const FileOperations &Storage) : Work(Saved), Saves(Storage) {}

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

  int SaveRequests = 0;
  int PictureRequests = 0;
  /// The canvas picture a save writes: a light grey canvas of 64 x 48.
  GrayImage Picture{std::vector<unsigned char>(64 * 48, 200), 64, 48};
  SaveFlow Saves;

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

  SaveOutcome saveWork() override {
    ++SaveRequests;
    return Saves.save(Work, [this] {
      ++PictureRequests;
      return Picture;
    });
  }

  void exit(int Status) override { Exits.push_back(Status); }

private:
  static void toggle(bool On, bool &State, int &Installs, int &Removals) {
    ++(On ? Installs : Removals);
    State = On;
  }
};

#endif
