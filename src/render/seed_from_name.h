// The seed a saved algorithm's file name carries. A save names its files
// seed_<seed>-<letter>.alg after the seed of the run that made them, so
// seeding the generator with it gives that run's first picture again.
#ifndef QUOVADRIN_RENDER_SEED_FROM_NAME_H
#define QUOVADRIN_RENDER_SEED_FROM_NAME_H

#include <cstdint>
#include <optional>
#include <string_view>

/// The seed in \p FileName (a name without folder) when it has the form
/// seed_<seed>-..., the seed written as a save writes it (decimal, perhaps
/// negative) and within 32 bits; nothing otherwise.
std::optional<int32_t> seedFromFileName(std::string_view FileName);

#endif
