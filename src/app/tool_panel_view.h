// Drawing of the tool panel: its background, the highlights of the chosen
// tool, parameter row and control, and every widget of the tool chain.
#ifndef QUOVADRIN_APP_TOOL_PANEL_VIEW_H
#define QUOVADRIN_APP_TOOL_PANEL_VIEW_H

class Screen;
struct EditorState;

/// Draws the whole tool panel into the left quarter of the screen.
void drawToolPanel(const EditorState &E, const Screen &Widgets);

#endif
