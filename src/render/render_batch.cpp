// The batch on the desktop: the inputs found and planned, each card made
// from its file's bytes with its picture streamed into NAME.svg, then the
// overview, which embeds each picture by reading it back from its file.
#include "render/render_batch.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <new>

#include "exec/immediate_run.h"
#include "files/atomic_file.h"
#include "files/bounded_file.h"
#include "model/text_format.h"
#include "render/overview_page.h"
#include "render/render_inputs.h"

namespace {

std::string joinPath(const std::string &Folder, const std::string &Name) {
  return (std::filesystem::path(Folder) / Name).string();
}

// The console line for a card that needs one, empty for the others.
std::string lineFor(const Card &C, const std::string &Path, const std::string &PicturePath) {
  const char *P = Path.c_str();
  switch (C.Outcome) {
  case CardOutcome::Rendered:
    return std::string();
  case CardOutcome::StepCapReached:
    return formatText("%s: %s, das Bild zeigt die Formen bis dahin.", P, ImmediateStepCapMessage);
  case CardOutcome::NotRead:
    if (C.ReadStatus == RegularFileStatus::TooLarge)
      return formatText("%s: Datei ist groesser als %d MiB, kein Bild.", P,
                        static_cast<int>(MaxAlgorithmFileBytes >> 20));
    return formatText("%s: Datei kann nicht gelesen werden, kein Bild.", P);
  case CardOutcome::PictureTooLarge:
    return formatText("%s: Bild waere groesser als %d MiB, kein Bild.", P,
                      static_cast<int>(MaxVectorPictureBytes >> 20));
  case CardOutcome::PictureNotWritten:
    return formatText("%s: Bild %s kann nicht geschrieben werden.", P, PicturePath.c_str());
  case CardOutcome::OutOfMemory:
    return formatText("%s: zu wenig Speicher, kein Bild.", P);
  }
  return std::string();
}

// One file: its bytes, its card, its picture in place (or no trace of it).
Card renderFile(const PlannedCard &Planned, const std::string &PicturePath,
                const FileOperations &Files) {
  try {
    const RegularFileContent Content = readRegularFile(Planned.Path, MaxAlgorithmFileBytes);
    if (!Content.readable())
      return unreadableCard(Planned.Source, Content.Status);
    AtomicFile Picture(PicturePath, Files);
    Card C = renderCard(Planned.Source, Content.Bytes, [&Picture](const char *Data, size_t Size) {
      return Picture.write(Data, Size);
    });
    if (C.hasPicture() && !Picture.commit())
      C.Outcome = CardOutcome::PictureNotWritten;
    return C;
  } catch (const std::bad_alloc &) {
    Card C;
    C.Source = Planned.Source;
    C.Outcome = CardOutcome::OutOfMemory;
    return C;
  }
}

// A picture written a moment ago, read back in pieces into the overview.
TextProducer pictureFromFile(const std::string &Path) {
  return [Path](const TextSink &Sink) {
    std::FILE *File = std::fopen(Path.c_str(), "rb");
    if (!File)
      return false;
    char Buffer[64 * 1024];
    bool Ok = true;
    size_t Read = 0;
    while (Ok && (Read = std::fread(Buffer, 1, sizeof(Buffer), File)) > 0)
      Ok = Sink(Buffer, Read);
    Ok = Ok && !std::ferror(File);
    std::fclose(File);
    return Ok;
  };
}

bool makeFolder(const std::string &Folder) {
  std::error_code Error;
  std::filesystem::create_directories(Folder, Error);
  return std::filesystem::is_directory(Folder, Error);
}

void tellPassed(const RenderInputs &Inputs, RenderReport &Report, const RenderMessageSink &Tell) {
  for (const std::string &Name : Inputs.NotAlgorithms) {
    Tell(formatText("%s: weder Algorithmusdatei (.alg) noch Ordner, uebersprungen.", Name.c_str()));
    Report.Passed.push_back(Name);
  }
  for (const std::string &Folder : Inputs.UnreadableFolders) {
    Tell(formatText("%s: Ordner kann nicht gelesen werden.", Folder.c_str()));
    Report.Passed.push_back(Folder);
  }
}

} // namespace

bool RenderReport::complete() const {
  if (!FolderUsable || !OverviewWritten || !Passed.empty())
    return false;
  return std::all_of(Cards.begin(), Cards.end(), [](const Card &C) { return C.hasPicture(); });
}

RenderReport renderAlgorithmFiles(const RenderRequest &Request, const RenderMessageSink &Tell,
                                  const FileOperations &Files) {
  RenderReport Report;
  const RenderInputs Inputs = findRenderInputs(Request.Inputs);
  tellPassed(Inputs, Report, Tell);
  const std::vector<PlannedCard> Plan = planCards(Inputs.Files, Request.Seed);
  Report.FolderUsable = makeFolder(Request.OutputFolder);
  if (!Report.FolderUsable) {
    Tell(formatText("Der Ordner %s kann nicht angelegt werden, keine Bilder.",
                    Request.OutputFolder.c_str()));
    return Report;
  }
  for (const PlannedCard &Planned : Plan) {
    const std::string PicturePath = joinPath(Request.OutputFolder, Planned.Source.PictureName);
    Report.Cards.push_back(renderFile(Planned, PicturePath, Files));
    const std::string Line = lineFor(Report.Cards.back(), Planned.Path, PicturePath);
    if (!Line.empty())
      Tell(Line);
  }
  Report.OverviewPath = joinPath(Request.OutputFolder, OverviewPageName);
  AtomicFile Page(Report.OverviewPath, Files);
  const std::string Folder = Request.OutputFolder;
  const bool Written =
      Page.isOpen() &&
      writeOverview(
          Report.Cards,
          [&Folder](const Card &C) {
            return pictureFromFile(joinPath(Folder, C.Source.PictureName));
          },
          MaxEmbeddedPictureBytes,
          [&Page](const char *Data, size_t Size) { return Page.write(Data, Size); });
  Report.OverviewWritten = Written && Page.commit();
  if (!Report.OverviewWritten)
    Tell(formatText("Die Uebersicht %s kann nicht geschrieben werden.",
                    Report.OverviewPath.c_str()));
  return Report;
}
