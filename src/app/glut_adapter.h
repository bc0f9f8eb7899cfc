// The GLUT callbacks. GLUT callbacks carry no user data, so the adapter
// keeps the one pointer to the running Application; each callback only hands
// its event to the Application's editor or draws its frame.
#ifndef QUOVADRIN_APP_GLUT_ADAPTER_H
#define QUOVADRIN_APP_GLUT_ADAPTER_H

class Application;

/// Makes \p App the application the callbacks serve and registers the
/// display, reshape, mouse and keyboard callbacks; motion, passive motion
/// and idle none.
void attachGlutCallbacks(Application &App);

/// Installs or removes the callbacks the editor asks for.
void installIdleCallback(bool On);
void installTimer(int Milliseconds, unsigned Generation);
void installPassiveMotionCallback(bool On);
void installMotionCallback(bool On);

#endif
