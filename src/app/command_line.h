// The program's own options: --window for a window instead of the full
// screen (where the display offers no game mode: a virtual machine, a remote
// desktop), --help, and --render FILE|FOLDER... --out FOLDER [--seed N],
// which draws algorithm files into pictures without any window; "--" ends
// the options. Everything else is left for GLUT's initialisation.
#ifndef QUOVADRIN_APP_COMMAND_LINE_H
#define QUOVADRIN_APP_COMMAND_LINE_H

#include <string>

#include "render/render_batch.h"

/// What the command line asks for. RenderUsage: --render, --out or --seed
/// without files, without a folder, with a seed that is no number, or with
/// --out or --seed given twice.
enum class StartMode { FullScreen, Window, Help, UnknownOption, Render, RenderUsage };

struct CommandLine {
  StartMode Mode = StartMode::FullScreen;
  /// The first option the program does not know, for UnknownOption.
  std::string Unknown;
  /// The files, the folder and the seed, for Render.
  RenderRequest Render;
};

/// Reads the program's options out of \p Args and removes them, so that
/// GLUT sees only the rest (its own single-dash options such as -display).
/// Help wins over everything, an unknown double-dash option over the rest.
/// Once --render is given, every argument that is not an option or its
/// value, and every argument after "--", is a file or folder to render.
CommandLine parseCommandLine(int &ArgCount, char **Args);

/// The German help text, several lines, ending in a newline.
const char *helpText();

/// The usage line of --render, ending in a newline.
const char *renderUsageText();

/// The line for an unknown option, ending in a newline.
std::string unknownOptionText(const std::string &Option);

#endif
