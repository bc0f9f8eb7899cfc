// The GLUT callbacks. GLUT callbacks carry no user data, so the adapter
// keeps the one pointer to the running platform; each callback only hands
// its event to the host or draws its frame.
#ifndef QUOVADRIN_APP_GLUT_ADAPTER_H
#define QUOVADRIN_APP_GLUT_ADAPTER_H

class GlutPlatform;

/// Makes \p Window the platform the callbacks serve and registers the
/// display, reshape, mouse and keyboard callbacks; motion, passive motion
/// and idle none.
void attachGlutCallbacks(GlutPlatform &Window);

/// Installs or removes the callbacks the host asks for.
void installIdleCallback(bool On);
void installTimer(int Milliseconds, unsigned Generation);
void installPassiveMotionCallback(bool On);
void installMotionCallback(bool On);

#endif
