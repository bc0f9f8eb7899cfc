// The tool panel of a frame: its background, the highlights of the chosen
// tool, field row and control, the chain of Buttons and Labels, and the
// saved-file list while it shows.
#ifndef QUOVADRIN_SCREEN_TOOL_PANEL_FRAME_H
#define QUOVADRIN_SCREEN_TOOL_PANEL_FRAME_H

#include <string>

#include "screen/draw_list.h"

struct EditorState;
struct SavedFileWindow;

void appendToolPanel(DrawListBuilder &Out, const EditorState &E);
/// The saved-file list of \p Files over the tool panel.
void appendFileList(DrawListBuilder &Out, const SavedFileWindow &Files);
/// The part of a file name that fits into the list's rows, glyph by glyph; a
/// line-break byte shows as a question mark.
std::string fittingFileName(const std::string &Name);

#endif
