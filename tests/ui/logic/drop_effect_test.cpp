#include <gtest/gtest.h>

#include "ui/logic/drop_effect.h"

namespace realsuffix {
namespace {

constexpr std::uint32_t kAll = kDropCopy | kDropMove | kDropLink;
constexpr std::uint32_t kLeftButton = 0x0001;  // MK_LBUTTON
constexpr std::uint32_t kAlt = 0x0020;         // MK_ALT

TEST(WorkOutDropEffect, KeysAndAllowedEffects) {
    struct Row {
        const char* name;
        bool accepted;
        std::uint32_t keys;
        std::uint32_t allowed;
        std::uint32_t effect;
    };
    const Row rows[] = {
        {"not_a_file_list_is_refused", false, 0, kAll, kDropNone},
        {"not_a_file_list_refused_whatever_the_keys", false, kKeyControl, kDropCopy, kDropNone},
        {"no_key_prefers_copy", true, 0, kAll, kDropCopy},
        {"no_key_then_move", true, 0, kDropMove | kDropLink, kDropMove},
        {"no_key_link_only_source_is_linked", true, 0, kDropLink, kDropLink},
        {"no_key_nothing_allowed", true, 0, kDropNone, kDropNone},
        {"control_asks_copy", true, kKeyControl, kAll, kDropCopy},
        {"control_copy_not_allowed", true, kKeyControl, kDropMove, kDropNone},
        {"shift_asks_move", true, kKeyShift, kAll, kDropMove},
        {"shift_move_not_allowed", true, kKeyShift, kDropCopy | kDropLink, kDropNone},
        {"control_shift_link_always_refused", true, kKeyControl | kKeyShift, kAll, kDropNone},
        {"control_shift_link_only_source", true, kKeyControl | kKeyShift, kDropLink, kDropNone},
        {"mouse_button_and_alt_play_no_part", true, kLeftButton | kAlt, kAll, kDropCopy},
        {"mouse_button_with_shift", true, kLeftButton | kKeyShift, kAll, kDropMove},
        {"unknown_allowed_bits_ignored", true, 0, 0x80000000u | kDropMove, kDropMove},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(workOutDropEffect(row.accepted, row.keys, row.allowed), row.effect) << row.name;
    }
}

}  // namespace
}  // namespace realsuffix
