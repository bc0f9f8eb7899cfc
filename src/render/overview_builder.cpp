// Making the overview a card at a time: the plan from the names alone, each
// card from its bytes when it is due, the pictures kept as the page will
// embed them, and the page written by the same writer as --render's.
#include "render/overview_builder.h"

#include <cstring>
#include <map>

namespace {

// The bytes the page embeds of a picture: the document without its XML
// declaration, which has no place inside HTML (overview_page.cpp).
std::size_t embeddedSize(const std::string &Picture) {
  if (Picture.compare(0, 2, "<?") != 0)
    return Picture.size();
  const std::size_t LineEnd = Picture.find('\n');
  return LineEnd == std::string::npos ? 0 : Picture.size() - LineEnd - 1;
}

// The path of \p Path below \p Folder, or the file's name where it does not
// lie below it.
std::string pathBelow(const std::string &Path, const std::string &Folder,
                      const std::string &FileName) {
  if (Folder.empty())
    return Path;
  if (Path.size() > Folder.size() + 1 && Path.compare(0, Folder.size(), Folder) == 0 &&
      Path[Folder.size()] == '/')
    return Path.substr(Folder.size() + 1);
  return FileName;
}

} // namespace

std::size_t OverviewBuilder::addFile(const std::string &Path, const std::string &Folder) {
  Files.push_back({Path, Folder});
  return Files.size() - 1;
}

void OverviewBuilder::plan(std::optional<int32_t> Seed) {
  // planCards gives the cards without the files' numbers: each path takes
  // the numbers of the files so named in turn.
  std::multimap<std::string, std::size_t> Numbers;
  for (std::size_t I = 0; I < Files.size(); ++I)
    Numbers.emplace(Files[I].Path, I);
  Plan.clear();
  for (PlannedCard &Planned : planCards(Files, Seed)) {
    const auto Found = Numbers.find(Planned.Path);
    Plan.push_back({std::move(Planned), Found->second});
    Numbers.erase(Found);
  }
  Done = 0;
  Cards.clear();
  Pictures.clear();
  KeptPictureBytes = 0;
  LastBytes.clear();
}

OverviewStep OverviewBuilder::drawNext(std::string_view Bytes) {
  const CardSource &Source = Plan[Done].Planned.Source;
  // A file that is the one before it once more: the same group, the same
  // name and the same bytes. Files of one name in one group follow each
  // other in the plan.
  if (!Cards.empty() && Cards.back().Source.Group == Source.Group &&
      Cards.back().Source.FileName == Source.FileName && Bytes == LastBytes &&
      Cards.back().Outcome != CardOutcome::NotRead) {
    ++Done;
    if (finished())
      titleSameNames();
    return OverviewStep::SameAsBefore;
  }
  std::string Picture;
  Card C = renderCard(Source, Bytes, [&Picture](const char *Data, std::size_t Size) {
    Picture.append(Data, Size);
    return true;
  });
  LastBytes.assign(Bytes.data(), Bytes.size());
  keep(std::move(C), std::move(Picture));
  return OverviewStep::Drawn;
}

void OverviewBuilder::skipNext(RegularFileStatus Why) {
  LastBytes.clear();
  keep(unreadableCard(Plan[Done].Planned.Source, Why), std::string());
}

// A picture is kept while the pictures before it stay within the budget,
// just as the page writer decides whether to embed it; later ones would
// only be linked by a name that no file beside the page has.
void OverviewBuilder::keep(Card C, std::string Picture) {
  const bool Embedded = C.hasPicture() && KeptPictureBytes < Budget;
  if (Embedded)
    KeptPictureBytes += embeddedSize(Picture);
  else
    Picture = std::string();
  Cards.push_back(std::move(C));
  Pictures.push_back(std::move(Picture));
  ++Done;
  if (finished())
    titleSameNames();
}

// Two different files of one name in one group (a .zip unpacked beside a
// file of the same name): their titles give the path below the group's
// folder, so the teacher can tell them apart. Folders on a disk never hold
// two, so --render never meets this.
void OverviewBuilder::titleSameNames() {
  std::map<std::pair<std::string, std::string>, int> Count;
  for (const Card &C : Cards)
    ++Count[{C.Source.Group, C.Source.FileName}];
  std::size_t PlanIndex = 0;
  for (Card &C : Cards) {
    while (Plan[PlanIndex].Planned.Source.PictureName != C.Source.PictureName)
      ++PlanIndex;
    if (Count[{C.Source.Group, C.Source.FileName}] < 2)
      continue;
    const PlannedEntry &Entry = Plan[PlanIndex];
    const std::string Below =
        pathBelow(Entry.Planned.Path, Files[Entry.File].Folder, C.Source.FileName);
    std::string &Title = C.Source.Title;
    Title.replace(Title.size() - C.Source.FileName.size(), C.Source.FileName.size(), Below);
  }
}

bool OverviewBuilder::writePage(const TextSink &Out) const {
  const CardPictureSource PictureOf = [this](const Card &C) -> TextProducer {
    const std::string &Picture = Pictures[static_cast<std::size_t>(&C - Cards.data())];
    if (Picture.empty())
      return TextProducer();
    return [&Picture](const TextSink &Sink) { return Sink(Picture.data(), Picture.size()); };
  };
  return writeOverview(Cards, PictureOf, Budget, Out);
}
