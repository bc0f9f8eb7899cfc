// The display: the only place where a frame is drawn. It reads the program's
// state and changes none of it.
#ifndef QUOVADRIN_APP_DISPLAY_H
#define QUOVADRIN_APP_DISPLAY_H

class Screen;
class Session;
struct EditorState;

/// Draws one complete frame and swaps the buffers.
void display(const Session &S, const EditorState &E, const Screen &Widgets);

#endif
