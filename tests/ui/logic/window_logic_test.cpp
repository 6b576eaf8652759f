// The small pieces of arithmetic behind the window: the tab order, the
// centred line of an edit box, and the program's folder.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "ui/logic/centred_line.h"
#include "ui/logic/module_folder.h"
#include "ui/logic/tab_order.h"

namespace realsuffix {
namespace {

constexpr std::optional<std::size_t> kNone = std::nullopt;

TEST(NextTabStop, WrapsRoundAndSkipsWhatTakesNoFocus) {
    constexpr std::array<bool, 8> all{true, true, true, true, true, true, true, true};
    constexpr std::array<bool, 8> gaps{true, false, true, true, true, true, true, false};
    constexpr std::array<bool, 3> none{false, false, false};
    constexpr std::array<bool, 1> single{true};
    struct Row {
        const char* name;
        std::span<const bool> takesFocus;
        std::optional<std::size_t> from;
        bool forward;
        std::optional<std::size_t> to;
    };
    const Row rows[] = {
        {"tab_steps_on", all, 0, true, 1},
        {"tab_from_last_wraps_to_first", all, 7, true, 0},
        {"shift_tab_steps_back", all, 3, false, 2},
        {"shift_tab_from_first_wraps_to_last", all, 0, false, 7},
        {"tab_skips_a_disabled_control", gaps, 0, true, 2},
        {"tab_wraps_past_a_hidden_last", gaps, 6, true, 0},
        {"shift_tab_wraps_past_a_hidden_last", gaps, 0, false, 6},
        {"from_a_control_that_takes_no_focus", gaps, 1, true, 2},
        {"from_no_control_tab_gives_first", all, kNone, true, 0},
        {"from_no_control_shift_tab_gives_last", all, kNone, false, 7},
        {"from_no_control_when_nothing_takes_focus", none, kNone, true, kNone},
        {"nothing_takes_focus", none, 1, true, kNone},
        {"one_control_stays", single, 0, true, 0},
        {"no_controls", {}, kNone, true, kNone},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(nextTabStop(row.takesFocus, row.from, row.forward), row.to) << row.name;
    }
}

TEST(CentreLine, NarrowsTheClientAreaToOneLineInTheMiddle) {
    struct Row {
        const char* name;
        int top, bottom, lineHeight;
        LineSpan centred;
    };
    const Row rows[] = {
        {"box_of_28_line_of_13", 2, 30, 13, {9, 22}},      // odd spare space rounds down
        {"box_of_28_line_of_14", 2, 30, 14, {9, 23}},
        {"offset_client_area", 10, 40, 16, {17, 33}},
        {"line_exactly_fills", 0, 16, 16, {0, 16}},
        {"line_taller_than_box_kept", 0, 10, 16, {0, 10}},
        {"no_line_height_kept", 3, 29, 0, {3, 29}},
    };
    for (const Row& row : rows) {
        const LineSpan span = centreLine(row.top, row.bottom, row.lineHeight);
        EXPECT_EQ(span.top, row.centred.top) << row.name;
        EXPECT_EQ(span.bottom, row.centred.bottom) << row.name;
    }
}

// Code page 936: a lead byte is 0x81 to 0xFE, and a trail byte may be 0x5C.
bool isGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

TEST(ModuleFolderLength, CutsAtTheLastRealBackslash) {
    struct Row {
        const char* name;
        std::string_view path;
        std::optional<std::size_t> length;
    };
    const Row rows[] = {
        {"plain", "C:\\Tools\\realsuffix.exe", 8},
        {"gbk_folder", "C:\\\xB9\xA4\xBE\xDF\\realsuffix.exe", 7},        // C:\工具
        {"trail_5c_in_program_name", "C:\\a\\\x81\x5C.exe", 4},            // C:\a\乗.exe
        {"trail_5c_ends_folder", "C:\\\x81\x5C\\realsuffix.exe", 5},       // C:\乗\...
        {"trail_5c_last_in_path", "C:\\a\\b\x95\x5C", 4},
        {"ascii_after_gbk_pair", "D:\\\xD6\xD0\\x\\y.exe", 7},
        {"lead_byte_at_the_end_stands_alone", "C:\\a\\\x81", 4},
        {"drive_root_keeps_backslash", "C:\\realsuffix.exe", 3},
        {"unc_share", "\\\\host\\share\\realsuffix.exe", 12},
        {"leading_backslash_only", "\\realsuffix.exe", 1},
        {"no_backslash", "realsuffix.exe", kNone},
        {"only_a_trail_5c", "\x81\x5C.exe", kNone},
        {"empty", "", kNone},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(moduleFolderLength(row.path, isGbkLeadByte), row.length) << row.name;
    }
}

}  // namespace
}  // namespace realsuffix
