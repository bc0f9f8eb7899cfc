// The letters of a save and the names built from them.
#include "files/save_names.h"

#include "model/text_format.h"

std::string saveLetterText(int SaveCounter) {
  long Save = static_cast<long>(SaveCounter) - InitialSaveCounter;
  if (Save < 1)
    return std::string();
  if (Save <= 26)
    return std::string(1, static_cast<char>('a' + Save - 1));
  // Group n (from 2) holds 25 * 26^(n-1) saves: n-1 z's, a letter a to y,
  // then n-1 letters a to z.
  Save -= 26;
  int Tail = 1;
  long TailCount = 26;
  while (Save > 25 * TailCount) {
    Save -= 25 * TailCount;
    ++Tail;
    TailCount *= 26;
  }
  const long Index = Save - 1;
  std::string Letters(static_cast<size_t>(Tail), 'z');
  Letters += static_cast<char>('a' + Index / TailCount);
  std::string Digits(static_cast<size_t>(Tail), 'a');
  long Rest = Index % TailCount;
  for (int I = Tail - 1; I >= 0; --I, Rest /= 26)
    Digits[static_cast<size_t>(I)] = static_cast<char>('a' + Rest % 26);
  return Letters + Digits;
}

SaveNames saveNames(const std::string &SeedText, const std::string &Letter) {
  const char *Seed = SeedText.c_str();
  const char *L = Letter.c_str();
  SaveNames Names;
  Names.AlgorithmPath = formatText("vorpAlgorithms/seed_%s-%s.alg", Seed, L);
  Names.PicturePath = formatText("vorpImages/seed_%s-%s.png", Seed, L);
  Names.VectorPicturePath = formatText("vorpImages/seed_%s-%s.svg", Seed, L);
  Names.Confirmation = formatText("seed_%s-%s gespeichert", Seed, L);
  Names.ConfirmationWithoutVector =
      formatText("seed_%s-%s gespeichert (SVG nicht gespeichert)", Seed, L);
  Names.ConfirmationVectorTooLarge =
      formatText("seed_%s-%s gespeichert (SVG zu gross, nicht gespeichert)", Seed, L);
  Names.Failure = formatText("seed_%s-%s nicht gespeichert", Seed, L);
  Names.FailureTooLarge =
      formatText("seed_%s-%s nicht gespeichert (Algorithmus zu gross)", Seed, L);
  return Names;
}
