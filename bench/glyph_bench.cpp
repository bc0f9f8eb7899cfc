// Time to lay out a full listing page of atlas text (60 lines of a typical
// sentence), the text work that is repeated on every display pass.
#include <benchmark/benchmark.h>

#include "screen/glyph.h"

static void BM_ListingPageLayout(benchmark::State &State) {
  const char *Sentence = "Zufallswert fuer x zwischen max und min";
  for (auto _ : State) {
    float Sum = 0;
    for (int Line = 0; Line < 60; ++Line)
      forEachGlyphQuad(Sentence, 0, 0, 8, [&](const GlyphQuad &Q) { Sum += Q.X + Q.S0; });
    benchmark::DoNotOptimize(Sum);
  }
  State.SetItemsProcessed(State.iterations() * 60);
}
BENCHMARK(BM_ListingPageLayout);

BENCHMARK_MAIN();
