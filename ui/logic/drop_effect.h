// The drop effect of the file drop target, worked out from the keys held and
// the effects the drag source allows. Portable: the values mirror the Windows
// constants, which the Win32 side checks at compile time.
#pragma once

#include <cstdint>

namespace realsuffix {

// DROPEFFECT_* values.
enum DropEffect : std::uint32_t {
    kDropNone = 0,
    kDropCopy = 1,
    kDropMove = 2,
    kDropLink = 4,
};

// MK_* bits of the key state that choose an effect; the others play no part.
inline constexpr std::uint32_t kKeyShift = 0x0004;    // MK_SHIFT
inline constexpr std::uint32_t kKeyControl = 0x0008;  // MK_CONTROL

// Returns the effect for a drag that offers a file list (`accepted`) with the
// key state `keyState`, when the source allows the effects in `allowed`.
// Ctrl asks for copy, Shift for move, both for link, which is never granted;
// with no key asked, the first allowed of copy, move and link.
std::uint32_t workOutDropEffect(bool accepted, std::uint32_t keyState, std::uint32_t allowed);

}  // namespace realsuffix
