// The keyboard callback.
#ifndef QUOVADRIN_EDITOR_KEYBOARD_H
#define QUOVADRIN_EDITOR_KEYBOARD_H

/// GLUT keyboard callback; the pointer position is not used.
void onKeyboard(unsigned char Key, int X, int Y);

#endif
