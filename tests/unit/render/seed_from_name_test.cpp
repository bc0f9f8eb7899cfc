// The seed in a saved file's name: every name a save writes gives back the
// seed it was made with; names of any other form give none.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "files/alg_writer.h"
#include "model/text_format.h"
#include "render/seed_from_name.h"

TEST(SeedFromName, EveryNameASaveWritesGivesItsSeedBack) {
  std::mt19937 Random(7);
  std::uniform_int_distribution<int32_t> Seeds(INT32_MIN, INT32_MAX);
  std::vector<int32_t> Values = {0, 1, -1, INT32_MAX, INT32_MIN, 1007654321};
  for (int I = 0; I < 2000; ++I)
    Values.push_back(Seeds(Random));
  for (size_t I = 0; I < Values.size(); ++I) {
    // The letters of saves from the first to far beyond a long lesson.
    const std::string Letter = saveLetterText(InitialSaveCounter + 1 + static_cast<int>(I * 229));
    const SaveNames Names = saveNames(formatText("%i", Values[I]), Letter);
    const std::string Name = std::filesystem::path(Names.AlgorithmPath).filename().string();
    EXPECT_EQ(seedFromFileName(Name), Values[I]) << Name;
  }
}

TEST(SeedFromName, NamesOfAnyOtherFormGiveNone) {
  for (const char *Name :
       {"seed_.alg", "seed_-a.alg", "seed_-.alg", "seed_12.alg", "seed_12", "seed_2147483648-a.alg",
        "seed_-2147483649-a.alg", "seed_99999999999999999999-a.alg", "Seed_1-a.alg",
        "my_seed_1-a.alg", "seed_1a-b.alg", "seed_ 1-a.alg", "seed_+1-a.alg", "klasse5.alg", ""})
    EXPECT_EQ(seedFromFileName(Name), std::nullopt) << Name;
}
