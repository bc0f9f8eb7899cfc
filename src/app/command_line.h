// The program's own options: --window for a window instead of the full
// screen (where the display offers no game mode: a virtual machine, a remote
// desktop) and --help. Everything else is left for GLUT's initialisation.
#ifndef QUOVADRIN_APP_COMMAND_LINE_H
#define QUOVADRIN_APP_COMMAND_LINE_H

#include <string>

/// What the command line asks for.
enum class StartMode { FullScreen, Window, Help, UnknownOption };

struct CommandLine {
  StartMode Mode = StartMode::FullScreen;
  /// The first option the program does not know, for UnknownOption.
  std::string Unknown;
};

/// Reads the program's options out of \p Args and removes them, so that
/// GLUT sees only the rest (its own single-dash options such as -display).
/// Help wins over everything, an unknown double-dash option over --window.
CommandLine parseCommandLine(int &ArgCount, char **Args);

/// The German help text, several lines, ending in a newline.
const char *helpText();

/// The line for an unknown option, ending in a newline.
std::string unknownOptionText(const std::string &Option);

#endif
