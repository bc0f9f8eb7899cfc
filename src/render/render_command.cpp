// The console side of the batch. Standard error gets the problems, one line
// each, as they happen; standard output the summary, so that a script can
// keep the two apart.
#include "render/render_command.h"

#include <algorithm>

int runRenderCommand(const RenderRequest &Request, std::FILE *Out, std::FILE *Errors) {
  const RenderReport Report = renderAlgorithmFiles(Request, [Errors](const std::string &Line) {
    std::fprintf(Errors, "%s\n", Line.c_str());
    std::fflush(Errors);
  });
  if (Report.OverviewWritten) {
    const auto Pictures = std::count_if(Report.Files.begin(), Report.Files.end(),
                                        [](const RenderedFile &File) { return File.hasPicture(); });
    std::fprintf(Out, "%ld von %zu Bildern gezeichnet, Uebersicht: %s\n",
                 static_cast<long>(Pictures), Report.Files.size(), Report.OverviewPath.c_str());
    std::fflush(Out);
  }
  return Report.complete() ? RenderSucceeded : RenderFailed;
}
