// Connects the core's hooks to GLUT and registers the window callbacks.
#ifndef QUOVADRIN_APP_GLUT_HOOKS_H
#define QUOVADRIN_APP_GLUT_HOOKS_H

/// Fills AppState::hooks with the GLUT-backed implementations.
void installGlutHooks();
/// Display, mouse and keyboard callbacks; motion, passive motion and idle none.
void registerCallbacks();

#endif
