// The display: the only place where a frame is drawn. It reads the program's
// state and changes none of it; the Screen it draws with is the window's own
// cache of textures and the frame's description.
#ifndef QUOVADRIN_APP_DISPLAY_H
#define QUOVADRIN_APP_DISPLAY_H

class Screen;
class Session;
struct EditorState;

/// Draws one complete frame and swaps the buffers.
void display(const Session &S, const EditorState &E, Screen &Widgets);

#endif
