#include "ui/logic/drop_effect.h"

#include <array>

namespace realsuffix {
namespace {

// The effect the keys ask for, or kDropNone when they ask for none.
std::uint32_t effectAskedByKeys(std::uint32_t keyState) {
    const bool control = (keyState & kKeyControl) != 0;
    const bool shift = (keyState & kKeyShift) != 0;
    if (control && shift) return kDropLink;
    if (control) return kDropCopy;
    if (shift) return kDropMove;
    return kDropNone;
}

}  // namespace

std::uint32_t workOutDropEffect(bool accepted, std::uint32_t keyState, std::uint32_t allowed) {
    if (!accepted) return kDropNone;
    const std::uint32_t asked = effectAskedByKeys(keyState);
    if (asked != kDropNone) {
        // A link is never made: the box wants the file's own path.
        return (asked != kDropLink && (allowed & asked) != 0) ? asked : kDropNone;
    }
    constexpr std::array<std::uint32_t, 3> preferred{kDropCopy, kDropMove, kDropLink};
    for (const std::uint32_t effect : preferred) {
        if ((allowed & effect) != 0) return effect;
    }
    return kDropNone;
}

}  // namespace realsuffix
