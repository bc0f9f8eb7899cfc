// Which card each file of an overview gets, and in which order: the cards
// are grouped by the folder each file came from (a learner's folder, or an
// archive on the page), the groups in the order of their titles and the
// cards within a group in the order of their names, as a teacher would sort
// a pile of work. A teacher's usual layout, one folder per learner named
// after the learner, gives one group per learner in the order of the
// learners' names, each group titled by the learner's name.
#ifndef QUOVADRIN_RENDER_RENDER_PLAN_H
#define QUOVADRIN_RENDER_RENDER_PLAN_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/render_card.h"

/// A file to draw: where to read it, and the folder it belongs to (any path
/// naming that folder, or an archive's name; files with equal folders form
/// one group).
struct PlannedFile {
  std::string Path;
  std::string Folder;
};

/// A file with the card it gets.
struct PlannedCard {
  std::string Path;
  CardSource Source;
};

/// The cards for \p Files, in overview order. A group's title is its folder
/// relative to the folder that holds all of them, so that a class folder of
/// learners' folders gives the learners' names; a group that is that folder
/// itself, or the only group, is titled by the folder's own name. A card's
/// title is its file name, or the group's title and the file name where
/// another group holds a file of the same name. Each picture gets the file's
/// name with .svg (numbered where names meet, and never longer than a file
/// name may be), and each run the seed its name carries (seed_<N>-...),
/// else \p Seed, else 1.
std::vector<PlannedCard> planCards(const std::vector<PlannedFile> &Files,
                                   std::optional<int32_t> Seed);

/// The longest file name the pictures get: the common limit of the file
/// systems a teacher uses.
constexpr std::size_t MaxFileNameBytes = 255;

#endif
