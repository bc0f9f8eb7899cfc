// The batch: files sorted by name, each run in a Session of its own seeded
// from its name, so one file's random numbers never depend on another's.
#include "render/render_batch.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "exec/immediate_run.h"
#include "exec/session.h"
#include "files/alg_reader.h"
#include "files/reader_variables.h"
#include "model/algorithm.h"
#include "model/indentation.h"
#include "model/text_format.h"
#include "render/overview_page.h"
#include "render/seed_from_name.h"
#include "svg/svg_picture.h"

namespace {

std::string fileNameOf(const std::string &Path) {
  return std::filesystem::path(Path).filename().string();
}

std::string joinPath(const std::string &Folder, const std::string &Name) {
  return (std::filesystem::path(Folder) / Name).string();
}

// NAME.svg for NAME.alg. Two files of one name from different folders must
// not write over each other's picture: the later one gets a number.
std::string pictureNameFor(const std::string &FileName, std::set<std::string> &Taken) {
  std::string Stem = FileName;
  const std::string Extension = ".alg";
  if (Stem.size() > Extension.size() &&
      Stem.compare(Stem.size() - Extension.size(), Extension.size(), Extension) == 0)
    Stem.resize(Stem.size() - Extension.size());
  std::string Name = Stem + ".svg";
  for (int Copy = 2; !Taken.insert(Name).second; ++Copy)
    Name = formatText("%s_%d.svg", Stem.c_str(), Copy);
  return Name;
}

std::vector<ListingLine> listingOf(const Algorithm &A) {
  std::vector<ListingLine> Lines;
  Indentation Levels;
  for (const Command *C = A.head(); C; C = C->next())
    Lines.push_back({Levels.levelOf(C->kind()), C->text()});
  return Lines;
}

void renderFile(RenderedFile &File, const std::string &Folder, const RenderMessageSink &Tell,
                const FileOperations &Files) {
  AlgorithmFileReader Reader(File.Path);
  if (!Reader.opened()) {
    File.Outcome = RenderOutcome::Unreadable;
    Tell(formatText("%s: Datei kann nicht gelesen werden, kein Bild.", File.Path.c_str()));
    return;
  }
  Session S(File.Seed);
  S.adopt(Reader.releaseAlgorithm(), takeReaderVariables(Reader));
  File.Listing = listingOf(S.algorithm());
  const ImmediateRunResult Run = runWholeAlgorithm(S);
  File.ShapeCount = S.drawing().count();
  if (Run.Outcome == ImmediateRunOutcome::StepCapReached) {
    File.Outcome = RenderOutcome::StepCapReached;
    Tell(formatText("%s: %s, das Bild zeigt die Formen bis dahin.", File.Path.c_str(),
                    ImmediateStepCapMessage));
  }
  const std::string PicturePath = joinPath(Folder, File.PictureName);
  if (!writeVectorPicture(S.drawing(), PicturePath, Files)) {
    File.Outcome = RenderOutcome::PictureNotWritten;
    Tell(formatText("%s: Bild %s kann nicht geschrieben werden.", File.Path.c_str(),
                    PicturePath.c_str()));
  }
}

// The files in the order of their names (then of their paths), each with
// its picture name and seed.
std::vector<RenderedFile> plannedFiles(const RenderRequest &Request) {
  std::vector<RenderedFile> Files;
  for (const std::string &Path : Request.Files) {
    RenderedFile File;
    File.Path = Path;
    File.FileName = fileNameOf(Path);
    Files.push_back(std::move(File));
  }
  std::sort(Files.begin(), Files.end(), [](const RenderedFile &A, const RenderedFile &B) {
    return A.FileName != B.FileName ? A.FileName < B.FileName : A.Path < B.Path;
  });
  std::set<std::string> Taken;
  for (RenderedFile &File : Files) {
    File.PictureName = pictureNameFor(File.FileName, Taken);
    File.Seed = seedFromFileName(File.FileName).value_or(Request.Seed.value_or(1));
  }
  return Files;
}

bool makeFolder(const std::string &Folder) {
  std::error_code Error;
  std::filesystem::create_directories(Folder, Error);
  return std::filesystem::is_directory(Folder, Error);
}

} // namespace

bool RenderReport::complete() const {
  if (!FolderUsable || !OverviewWritten)
    return false;
  return std::all_of(Files.begin(), Files.end(),
                     [](const RenderedFile &File) { return File.hasPicture(); });
}

RenderReport renderAlgorithmFiles(const RenderRequest &Request, const RenderMessageSink &Tell,
                                  const FileOperations &Files) {
  RenderReport Report;
  Report.Files = plannedFiles(Request);
  Report.FolderUsable = makeFolder(Request.OutputFolder);
  if (!Report.FolderUsable) {
    Tell(formatText("Der Ordner %s kann nicht angelegt werden, keine Bilder.",
                    Request.OutputFolder.c_str()));
    return Report;
  }
  for (RenderedFile &File : Report.Files)
    renderFile(File, Request.OutputFolder, Tell, Files);
  Report.OverviewPath = joinPath(Request.OutputFolder, OverviewPageName);
  Report.OverviewWritten = Files.writeText(Report.OverviewPath, overviewPage(Report.Files));
  if (!Report.OverviewWritten)
    Tell(formatText("Die Uebersicht %s kann nicht geschrieben werden.",
                    Report.OverviewPath.c_str()));
  return Report;
}
