// Planning the overview: group titles from the folders, the order of groups
// and cards, each card's title, picture name and seed.
#include "render/render_plan.h"

#include <algorithm>
#include <map>
#include <set>

#include "model/text_format.h"
#include "render/seed_from_name.h"

namespace {

std::vector<std::string> partsOf(const std::string &Folder) {
  std::vector<std::string> Parts;
  size_t Start = 0;
  while (Start <= Folder.size()) {
    const size_t Slash = std::min(Folder.find('/', Start), Folder.size());
    if (Slash > Start)
      Parts.push_back(Folder.substr(Start, Slash - Start));
    Start = Slash + 1;
  }
  return Parts;
}

std::string joined(const std::vector<std::string> &Parts, size_t From) {
  std::string Out;
  for (size_t I = From; I < Parts.size(); ++I)
    Out += (Out.empty() ? "" : "/") + Parts[I];
  return Out;
}

// How many leading parts every folder shares.
size_t sharedParts(const std::vector<std::vector<std::string>> &Folders) {
  size_t Shared = Folders.empty() ? 0 : Folders.front().size();
  for (const auto &Parts : Folders) {
    size_t Same = 0;
    while (Same < Shared && Same < Parts.size() && Parts[Same] == Folders.front()[Same])
      ++Same;
    Shared = Same;
  }
  return Shared;
}

// The title of each folder: below the folder they all share, or the folder's
// own name where it is that folder or stands alone.
std::map<std::string, std::string> groupTitles(const std::vector<PlannedFile> &Files) {
  std::map<std::string, std::vector<std::string>> Parts;
  for (const PlannedFile &File : Files)
    Parts.emplace(File.Folder, partsOf(File.Folder));
  if (Parts.empty())
    return {};
  std::vector<std::vector<std::string>> All;
  for (const auto &Entry : Parts)
    All.push_back(Entry.second);
  const size_t Shared = Parts.size() == 1 ? All.front().size() : sharedParts(All);
  std::map<std::string, std::string> Titles;
  for (const auto &[Folder, Own] : Parts) {
    // Files without a folder (chosen one by one on the page) have no title.
    if (Folder.empty()) {
      Titles[Folder] = std::string();
      continue;
    }
    std::string Title =
        Own.size() > Shared ? joined(Own, Shared) : (Own.empty() ? Folder : Own.back());
    Titles[Folder] = Title.empty() ? std::string("/") : Title;
  }
  return Titles;
}

// The order a teacher expects: letters without regard to case, umlauts
// with their vowels, sharp s as ss; byte order only between equals.
std::string sortKey(const std::string &Text) {
  std::string Key;
  for (size_t I = 0; I < Text.size(); ++I) {
    const unsigned char C = static_cast<unsigned char>(Text[I]);
    if (C == 0xC3 && I + 1 < Text.size()) {
      const unsigned char Next = static_cast<unsigned char>(Text[I + 1]);
      const char *Plain = Next == 0xA4 || Next == 0x84   ? "a"
                          : Next == 0xB6 || Next == 0x96 ? "o"
                          : Next == 0xBC || Next == 0x9C ? "u"
                          : Next == 0x9F                 ? "ss"
                                                         : nullptr;
      if (Plain) {
        Key += Plain;
        ++I;
        continue;
      }
    }
    Key += static_cast<char>(C >= 'A' && C <= 'Z' ? C - 'A' + 'a' : C);
  }
  return Key;
}

bool inOrder(const std::string &A, const std::string &B) {
  const std::string KeyA = sortKey(A), KeyB = sortKey(B);
  return KeyA != KeyB ? KeyA < KeyB : A < B;
}

std::string fileNameOf(const std::string &Path) {
  const size_t Slash = Path.rfind('/');
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

// \p Stem cut to at most \p Bytes, never inside a UTF-8 sequence.
std::string cutStem(const std::string &Stem, size_t Bytes) {
  if (Stem.size() <= Bytes)
    return Stem;
  size_t End = Bytes;
  while (End > 0 && (static_cast<unsigned char>(Stem[End]) & 0xC0) == 0x80)
    --End;
  return Stem.substr(0, End);
}

// NAME.svg for NAME.alg. Two files of one name from different folders must
// not write over each other's picture: the later one gets a number.
std::string pictureNameFor(const std::string &FileName, std::set<std::string> &Taken) {
  std::string Stem = FileName;
  const std::string Extension = ".alg";
  if (Stem.size() > Extension.size() &&
      Stem.compare(Stem.size() - Extension.size(), Extension.size(), Extension) == 0)
    Stem.resize(Stem.size() - Extension.size());
  for (int Copy = 1;; ++Copy) {
    const std::string Suffix = Copy == 1 ? ".svg" : formatText("_%d.svg", Copy);
    const std::string Name = cutStem(Stem, MaxFileNameBytes - Suffix.size()) + Suffix;
    if (Taken.insert(Name).second)
      return Name;
  }
}

} // namespace

std::vector<PlannedCard> planCards(const std::vector<PlannedFile> &Files,
                                   std::optional<int32_t> Seed) {
  const std::map<std::string, std::string> Titles = groupTitles(Files);
  std::map<std::string, std::set<std::string>> GroupsOfName;
  std::vector<PlannedCard> Cards;
  for (const PlannedFile &File : Files) {
    PlannedCard Card;
    Card.Path = File.Path;
    Card.Source.FileName = fileNameOf(File.Path);
    Card.Source.Group = Titles.at(File.Folder);
    GroupsOfName[Card.Source.FileName].insert(Card.Source.Group);
    Cards.push_back(std::move(Card));
  }
  std::sort(Cards.begin(), Cards.end(), [](const PlannedCard &A, const PlannedCard &B) {
    if (A.Source.Group != B.Source.Group)
      return inOrder(A.Source.Group, B.Source.Group);
    if (A.Source.FileName != B.Source.FileName)
      return inOrder(A.Source.FileName, B.Source.FileName);
    return A.Path < B.Path;
  });
  std::set<std::string> TakenPictures;
  for (PlannedCard &Card : Cards) {
    CardSource &Source = Card.Source;
    const bool Shared = GroupsOfName[Source.FileName].size() > 1;
    Source.Title = Shared ? Source.Group + "/" + Source.FileName : Source.FileName;
    Source.PictureName = pictureNameFor(Source.FileName, TakenPictures);
    Source.Seed = seedFromFileName(Source.FileName).value_or(Seed.value_or(1));
  }
  return Cards;
}
