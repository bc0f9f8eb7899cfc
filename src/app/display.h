// The display callback: the only place where a frame is drawn.
#ifndef QUOVADRIN_APP_DISPLAY_H
#define QUOVADRIN_APP_DISPLAY_H

/// Draws one complete frame and swaps the buffers.
void display();

#endif
