// A card made from bytes, as the web page makes its cards: the very picture
// and listing the desktop's batch gives for the same file and seed, and the
// same limits; running out of memory ends only that card.
#include <gtest/gtest.h>

#include <new>

#include "exec/session.h"
#include "files/alg_format.h"
#include "files/alg_writer.h"
#include "random_shapes.h"
#include "render/overview_page.h"
#include "render/render_batch.h"
#include "render/render_card.h"
#include "scratch_dir.h"

namespace {

struct Collected {
  std::string Text;
  TextSink sink() {
    return [this](const char *Data, size_t Size) {
      Text.append(Data, Size);
      return true;
    };
  }
};

std::string randomProgramText(int Passes) {
  Session S(1);
  drawRandomShapes(S, Passes);
  return algorithmText(S.algorithm());
}

} // namespace

TEST(RenderCard, FromBytesItIsTheBatchsCardAndPictureByteForByte) {
  ScratchDir Dir;
  mkdir("k", 0777);
  writeFile("k/seed_77-b.alg", randomProgramText(7));
  const RenderReport Report =
      renderAlgorithmFiles({{"k/seed_77-b.alg"}, "out", std::nullopt}, [](const std::string &) {});
  ASSERT_TRUE(Report.complete());
  const Card &FromBatch = Report.Cards.front();
  Collected Picture;
  const Card FromBytes =
      renderCard(FromBatch.Source, fileContent("k/seed_77-b.alg"), Picture.sink());
  EXPECT_EQ(Picture.Text, fileContent("out/seed_77-b.svg"));
  EXPECT_EQ(FromBytes.Outcome, CardOutcome::Rendered);
  EXPECT_EQ(FromBytes.ShapeCount, FromBatch.ShapeCount);
  EXPECT_EQ(cardFacts(FromBytes), cardFacts(FromBatch));
  ASSERT_EQ(FromBytes.Listing.size(), FromBatch.Listing.size());
  for (size_t I = 0; I < FromBytes.Listing.size(); ++I) {
    EXPECT_EQ(FromBytes.Listing[I].Text, FromBatch.Listing[I].Text);
    EXPECT_EQ(FromBytes.Listing[I].Level, FromBatch.Listing[I].Level);
  }
}

TEST(RenderCard, RunningOutOfMemoryEndsOnlyThatCard) {
  CardSource Source;
  Source.FileName = Source.Title = "seed_3-a.alg";
  Source.Seed = 3;
  const std::string Program = randomProgramText(4);
  const Card Failed =
      renderCard(Source, Program, [](const char *, size_t) -> bool { throw std::bad_alloc(); });
  EXPECT_EQ(Failed.Outcome, CardOutcome::OutOfMemory);
  EXPECT_FALSE(Failed.hasPicture());
  EXPECT_TRUE(Failed.Listing.empty());
  EXPECT_EQ(missingPictureText(Failed), "Kein Bild: Für diese Datei reichte der Speicher nicht.");
  Collected Picture;
  const Card Next = renderCard(Source, Program, Picture.sink());
  EXPECT_EQ(Next.Outcome, CardOutcome::Rendered) << "the next card starts afresh";
  EXPECT_EQ(Next.ShapeCount, 36);
}

TEST(RenderCard, BytesAreHeldToTheLimitsOfAFile) {
  CardSource Source;
  Source.FileName = Source.Title = "gross.alg";
  int Writes = 0;
  const Card TooLarge = renderCard(Source, std::string(MaxAlgorithmFileBytes + 1, '\n'),
                                   [&Writes](const char *, size_t) { return ++Writes > 0; });
  EXPECT_EQ(TooLarge.Outcome, CardOutcome::NotRead);
  EXPECT_EQ(TooLarge.ReadStatus, RegularFileStatus::TooLarge);
  EXPECT_EQ(Writes, 0) << "nothing of it was read or drawn";
  Collected Picture;
  EXPECT_EQ(renderCard(Source, std::string(MaxAlgorithmFileBytes, '\n'), Picture.sink()).Outcome,
            CardOutcome::Rendered)
      << "a file at the limit is read";
}

TEST(RenderCard, AListingLongerThanACardCanHoldSaysHowManyMoreThereAre) {
  std::string Text = AlgorithmFileHeader;
  for (int I = 0; I < MaxCardListingLines + 123; ++I)
    Text += "Addiere " + std::to_string(I) + " zu x\r\n";
  CardSource Source;
  Source.FileName = Source.Title = "lang.alg";
  Collected Picture;
  const Card Long = renderCard(Source, Text, Picture.sink());
  ASSERT_EQ(static_cast<int>(Long.Listing.size()), MaxCardListingLines);
  EXPECT_EQ(Long.CommandCount, MaxCardListingLines + 123);
  EXPECT_EQ(Long.Listing.back().Text,
            "Addiere " + std::to_string(MaxCardListingLines - 1) + " zu x");
  Collected Page;
  ASSERT_TRUE(writeOverview({Long}, nullptr, 0, Page.sink()));
  EXPECT_NE(Page.Text.find("<li>&hellip; und 123 weitere Befehle</li>"), std::string::npos);
}
