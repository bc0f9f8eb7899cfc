// The editor's requests carried out for every platform: frames, timers,
// the idle step and the pointer's motion pass on to the platform, which
// the host also remembers; a save is the host's own flow.
#include "host/host.h"

#include "screen/screen_frame.h"

void Host::Requests::postRedisplay() { Lab.Surface.requestFrame(); }

// The frame asked for is the one the learner sees next, before any save
// can photograph the canvas, whenever the platform gets to draw it.
void Host::Requests::drawNow() {
  Lab.ShownGrid = Lab.State.GridVisible;
  Lab.Surface.showFrameNow();
}

void Host::Requests::setIdleStepping(bool On) {
  Lab.IdleStepping = On;
  Lab.Surface.setIdleStepping(On);
}

void Host::Requests::armTimer(int Milliseconds, unsigned Generation) {
  Lab.Surface.armTimer(Milliseconds < 0 ? 0 : Milliseconds, Generation);
}

void Host::Requests::setPassiveMotion(bool On) {
  Lab.PassiveMotionWanted = On;
  Lab.Surface.setPassiveMotion(On);
}

void Host::Requests::setMotion(bool On) {
  Lab.MotionWanted = On;
  Lab.Surface.setMotion(On);
}

void Host::Requests::waitBetweenSteps(int Length) { Lab.Surface.waitBetweenSteps(Length); }

SaveOutcome Host::Requests::saveWork() {
  return Lab.Saves.save(Lab.Work, [this] { return Lab.canvasPicture(); });
}

// The canvas as the learner last saw it: grid or none, without the popup
// or the pen menu.
GrayImage Host::canvasPicture() {
  buildCanvasPicture(PictureFrame, Work, State, ShownGrid);
  return Surface.readCanvas(PictureFrame);
}

void Host::Requests::exit(int Status) {
  Lab.Ended = true;
  Lab.IdleStepping = false;
  Lab.MotionWanted = false;
  Lab.PassiveMotionWanted = false;
  Lab.Surface.exit(Status);
}
