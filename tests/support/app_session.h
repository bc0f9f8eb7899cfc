// Test helper: a fresh application state for one test (the fixed Variables,
// an empty Algorithm and Drawing, the start-up defaults, seed 1 and counting
// hooks), torn down again when the test ends.
#ifndef QUOVADRIN_TESTS_APP_SESSION_H
#define QUOVADRIN_TESTS_APP_SESSION_H

#include <algorithm>
#include <vector>

#include "app/app_state.h"
#include "exec/drawing.h"
#include "exec/random.h"
#include "exec/run.h"
#include "model/algorithm.h"
#include "model/variable.h"

/// How often the core called each hook.
struct HookCounts {
  int Redisplays = 0;
  int ScreenDraws = 0;
  int LabelRefreshes = 0;
  int IdleInstalls = 0;
  int IdleRemovals = 0;
  bool IdleInstalled = false;
  std::vector<std::string> Messages;
};

/// The waits the animated run asked for, recorded instead of spent.
inline std::vector<int> &recordedWaits() {
  static std::vector<int> Waits;
  return Waits;
}

class AppSession {
public:
  AppSession() {
    createFixedVariables();
    resetModeDefaults();
    app.interactionState = -1;
    app.algorithm = new Algorithm();
    app.drawing = new Drawing();
    std::fill(std::begin(app.savedValues), std::end(app.savedValues), 0);
    std::fill(std::begin(app.templatePoints), std::end(app.templatePoints), Point());
    std::fill(std::begin(app.templateLineEnds), std::end(app.templateLineEnds), 0.0f);
    std::fill(std::begin(app.templatePolyPoints), std::end(app.templatePolyPoints), Point());
    std::fill(std::begin(app.templatePolyMidpoints), std::end(app.templatePolyMidpoints),
              Point());
    app.hooks.postRedisplay = [this] { ++Counts.Redisplays; };
    app.hooks.drawScreen = [this] { ++Counts.ScreenDraws; };
    app.hooks.refreshValueLabels = [this] { ++Counts.LabelRefreshes; };
    app.hooks.showMessage = [this](const std::string &Text) { Counts.Messages.push_back(Text); };
    app.hooks.setIdleStepping = [this](bool On) {
      ++(On ? Counts.IdleInstalls : Counts.IdleRemovals);
      Counts.IdleInstalled = On;
    };
    recordedWaits().clear();
    setStepWait([](int Length) { recordedWaits().push_back(Length); });
    seedRandom(1);
  }

  ~AppSession() {
    setStepWait(nullptr);
    app.hooks = UiHooks();
    delete app.algorithm;
    delete app.drawing;
    app.algorithm = nullptr;
    app.drawing = nullptr;
    resetModeDefaults();
  }

  AppSession(const AppSession &) = delete;
  AppSession &operator=(const AppSession &) = delete;

  Algorithm &algorithm() { return *app.algorithm; }
  Drawing &drawing() { return *app.drawing; }

  /// The Shapes of the Drawing in list order, walked through the links.
  std::vector<const Shape *> shapes() const {
    std::vector<const Shape *> All;
    for (const Shape *S = app.drawing->head(); S; S = S->next)
      All.push_back(S);
    return All;
  }

  /// Drives an animated run by hand until it ends; false if it has not
  /// ended after \p Limit idle steps.
  bool runToEnd(int Limit = 1000000) {
    startRun();
    for (int I = 0; I < Limit && app.runStart != 0; ++I)
      idleStep();
    return app.runStart == 0;
  }

  HookCounts Counts;
};

#endif
