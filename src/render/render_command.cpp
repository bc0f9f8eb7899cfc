// The console side of the batch. Standard error gets the problems, one line
// each, as they happen; standard output only the summary, so that a script
// can keep the two apart. Every line is escaped for the terminal: it names
// files, and a file's name is the learner's to choose.
#include "render/render_command.h"

#include <algorithm>

#include "render/console_text.h"

int runRenderCommand(const RenderRequest &Request, std::FILE *Out, std::FILE *Errors) {
  const RenderReport Report = renderAlgorithmFiles(Request, [Errors](const std::string &Line) {
    std::fprintf(Errors, "%s\n", consoleEscaped(Line).c_str());
    std::fflush(Errors);
  });
  if (Report.OverviewWritten) {
    const auto Pictures = std::count_if(Report.Cards.begin(), Report.Cards.end(),
                                        [](const Card &C) { return C.hasPicture(); });
    std::fprintf(Out, "%ld von %zu Bildern gezeichnet, Uebersicht: %s\n",
                 static_cast<long>(Pictures), Report.Cards.size(),
                 consoleEscaped(Report.OverviewPath).c_str());
    std::fflush(Out);
  }
  return Report.complete() ? RenderSucceeded : RenderFailed;
}
