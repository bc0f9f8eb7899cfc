// Which pickable thing lies under a window pixel, panel by panel. The window
// answers with GL selection; tests answer with whatever the case needs. A
// result is a pick name (PickName), a listing line's 1-based position, a
// file-list entry (PickName::FirstFileEntry + index) or -1 for nothing.
#ifndef QUOVADRIN_EDITOR_PICKER_H
#define QUOVADRIN_EDITOR_PICKER_H

class Picker {
public:
  virtual ~Picker() = default;
  /// The tool panel's Buttons and Labels, and the file list while it shows.
  virtual int pickToolPanel(int X, int Y) = 0;
  /// The pen marker, or the pen-menu Buttons while the menu is open.
  virtual int pickCanvas(int X, int Y) = 0;
  /// The scroll strips and the visible listing lines.
  virtual int pickListing(int X, int Y) = 0;
};

#endif
