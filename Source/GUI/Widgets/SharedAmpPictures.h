#pragma once

#include <array>

// The pictures of the twenty amp models the HMQ and the Orva KX have in
// common, in their shared type order; the Orva KX lists three models of its
// own after them.
namespace SharedAmpPictures
{
constexpr int count = 20;

// The picker's picture (196 x 171), its small picture (196 x 108) and its menu icon.
extern const std::array<const char*, count> large;
extern const std::array<const char*, count> small;
extern const std::array<const char*, count> icons;

// Type `type` of a model with `extra` pictures of its own after the shared ones:
// from `shared` below `count`, else from `extra`. The type is clamped first.
template <size_t N>
const char* pick(const std::array<const char*, count>& shared, const std::array<const char*, N>& extra, int type)
{
    const int last = count + (int) N - 1;
    type = type < 0 ? 0 : (type > last ? last : type);
    return type < count ? shared[(size_t) type] : extra[(size_t) (type - count)];
}
} // namespace SharedAmpPictures
