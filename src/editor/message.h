// The current message of the popup in the middle of the canvas: its text,
// whether it is shown, and a revision that grows with every new text.
// A message stays current after it is hidden, until the next one replaces it.
#ifndef QUOVADRIN_EDITOR_MESSAGE_H
#define QUOVADRIN_EDITOR_MESSAGE_H

#include <string>

class Message {
public:
  /// Makes \p NewText the current message, copied as it is (it is never a
  /// format); whether it shows is not changed.
  void replace(std::string NewText) {
    Text = std::move(NewText);
    Present = true;
    ++Revision;
  }

  bool present() const { return Present; }
  const std::string &text() const { return Text; }
  unsigned revision() const { return Revision; }

  /// Drawn while true and a message is present; every mouse button event
  /// hides it.
  bool Visible = false;

private:
  std::string Text;
  bool Present = false;
  unsigned Revision = 0;
};

#endif
