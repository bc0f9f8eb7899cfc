// The hit records of one pick: the names of the things that met the pick
// box, in the order they were offered, one record per name. Room is kept
// for five records, as the selection buffer of twenty entries had; a sixth
// hit overflows it and the pick counts as no hit at all. Which record wins
// is the panel's rule.
#ifndef QUOVADRIN_SCREEN_PICK_HITS_H
#define QUOVADRIN_SCREEN_PICK_HITS_H

#include <array>
#include <cstddef>

/// Records that fit the selection buffer: 20 entries of four each.
constexpr int MaxHitRecords = 5;

/// Which record answers a pick.
enum class HitRule {
  /// The first thing offered that was hit: the strip before any listing
  /// line, the upper of two lines, the first pen-menu Button.
  First,
  /// The second record when there are two or more, else the only one: in
  /// the tool panel a small Label offered after the Button it lies on wins,
  /// and so does the file list, offered after everything.
  Second,
};

class PickHits {
public:
  /// Records \p Name when \p Hit.
  void offer(int Name, bool Hit) {
    if (!Hit)
      return;
    if (Count < MaxHitRecords)
      Names[static_cast<size_t>(Count)] = Name;
    ++Count;
  }

  /// The hits so far, -1 once they overflowed the buffer.
  [[nodiscard]] int hitCount() const { return Count > MaxHitRecords ? -1 : Count; }

  /// The name of record \p Record (from 0, below hitCount()).
  [[nodiscard]] int name(int Record) const { return Names[static_cast<size_t>(Record)]; }

  /// The winning name by \p Rule, or -1 for no hit or an overflow.
  [[nodiscard]] int winner(HitRule Rule) const {
    const int Hits = hitCount();
    if (Hits <= 0)
      return -1;
    if (Rule == HitRule::Second && Hits >= 2)
      return Names[1];
    return Names[0];
  }

private:
  std::array<int, MaxHitRecords> Names{};
  int Count = 0;
};

#endif
