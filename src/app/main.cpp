// Entry point: read the options; --render draws algorithm files into
// pictures and ends, before anything asks for a display or the images.
// Otherwise find the images, then either choose the largest full-screen mode
// the graphics system offers, report it and enter game mode, or open a
// window; then hand over to the GLUT main loop.
#include <GL/freeglut.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/desktop.h"
#include "files/image_folder.h"
#include "render/render_command.h"

namespace {

const char *const GameModes[] = {"1280x1024:32", "1152x864:32", "1024x768:32", "800x600:32"};

bool chooseGameMode() {
  for (const char *Mode : GameModes) {
    glutGameModeString(Mode);
    if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE))
      return true;
  }
  return false;
}

ScreenSize enterGameMode() {
  if (!chooseGameMode()) {
    std::printf("Bildschirmmodi werden von der Grafikkarte nicht unterstützt.\n");
    std::fflush(stdout);
    std::exit(1);
  }
  std::printf("Starte Quovadrin.\nBildschirmaufloesung %dx%d Pixel bei %d bit Farbtiefe und %d "
              "hertz\n",
              glutGameModeGet(GLUT_GAME_MODE_WIDTH), glutGameModeGet(GLUT_GAME_MODE_HEIGHT),
              glutGameModeGet(GLUT_GAME_MODE_PIXEL_DEPTH),
              glutGameModeGet(GLUT_GAME_MODE_REFRESH_RATE));
  // The report must reach a pipe before the window takes over.
  std::fflush(stdout);
  glutEnterGameMode();
  return {glutGameModeGet(GLUT_GAME_MODE_WIDTH), glutGameModeGet(GLUT_GAME_MODE_HEIGHT)};
}

// A window at the layout's own size, one pixel per layout unit until the
// learner resizes it.
ScreenSize openWindow() {
  glutInitWindowSize(LayoutWidth, LayoutHeight);
  glutCreateWindow("Quovadrin");
  const ScreenSize Size{glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT)};
  std::printf("Starte Quovadrin.\nFenster mit %dx%d Pixeln\n", Size.Width, Size.Height);
  std::fflush(stdout);
  return Size;
}

// The images' folder; without one nothing on the screen would be legible, so
// the program ends, naming the places it looked in.
std::string imageFolderOrExit() {
  const std::vector<std::string> Places =
      imageFolderCandidates(executablePath(), QUOVADRIN_DATA_FROM_EXE);
  if (std::optional<std::string> Found = findImageFolder(Places))
    return *Found;
  std::error_code Unknown;
  const std::string Here = std::filesystem::current_path(Unknown).string();
  std::printf("%s\n", imagesNotFoundText(Places, Here).c_str());
  std::fflush(stdout);
  std::exit(1);
}

} // namespace

int main(int argc, char **argv) {
  const CommandLine Options = parseCommandLine(argc, argv);
  switch (Options.Mode) {
  case StartMode::Help:
    std::fputs(helpText(), stdout);
    return 0;
  case StartMode::UnknownOption:
    std::fputs(unknownOptionText(Options.Unknown).c_str(), stdout);
    return 2;
  case StartMode::Render:
    return runRenderCommand(Options.Render, stdout, stderr);
  case StartMode::RenderUsage:
    std::fputs(renderUsageText(), stderr);
    return 2;
  case StartMode::FullScreen:
  case StartMode::Window:
    break;
  }
  const std::string Images = imageFolderOrExit();
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  const ScreenSize Size = Options.Mode == StartMode::Window ? openWindow() : enterGameMode();
  // The start time seeds the learner's random numbers and names the files.
  runDesktop(static_cast<int32_t>(std::time(nullptr)), Images, Size);
}
