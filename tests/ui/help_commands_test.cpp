#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/message_box.h"
#include "tests/ui/message_box_watcher.h"
#include "stand_in_window.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

using testing::OpenBox;
using testing::runAndCloseMessageBox;
using testing::StandInWindow;
using testing::windowText;

struct HelpRow {
    const char* name;
    void (*command)(const Boxes&);
    std::string_view text;
    std::string_view caption;
    unsigned style;
};

const HelpRow kHelpRows[] = {
    {"kind_list", showKindList, texts::kKindList, texts::kKindListCaption, 0x2040},
    {"questions", showQuestions, texts::kQuestions, texts::kDefaultCaption, 0x2000},
};

struct SeenBox {
    int calls = 0;
    std::string text;
    std::string caption;
    unsigned style = 0;
} seen;

int recordingSink(const char* text, const char* caption, unsigned style) {
    ++seen.calls;
    seen.text = text;
    seen.caption = caption;
    seen.style = style;
    return IDOK;
}

TEST(HelpCommands, HandMessageBoxTheExactTextCaptionAndStyle) {
    const StandInWindow stand;
    const MessageBoxSink previous = setMessageBoxSinkForTesting(recordingSink);
    for (const HelpRow& row : kHelpRows) {
        seen = SeenBox{};
        row.command(stand.boxes());
        EXPECT_EQ(seen.calls, 1) << row.name;
        EXPECT_EQ(seen.text, row.text) << row.name;
        EXPECT_EQ(seen.caption, row.caption) << row.name;
        EXPECT_EQ(seen.style, row.style) << row.name;
    }
    setMessageBoxSinkForTesting(previous);
}

// Runs `command` on the stand-in's boxes and reads the box it opens.
OpenBox runAndCloseBox(void (*command)(const Boxes&), const StandInWindow& stand) {
    return runAndCloseMessageBox([&] { command(stand.boxes()); }, stand.window());
}

TEST(HelpCommands, RealBoxShowsTheTextDisablesTheWindowAndChangesNoBox) {
    StandInWindow stand;
    const std::string left = "D:\\v\\\xCA\xD3\xC6\xB5.dat";  // D:\v\视频.dat
    const std::string right = ".mp4";
    stand.setTexts(left, right);
    for (const HelpRow& row : kHelpRows) {
        const OpenBox open = runAndCloseBox(row.command, stand);
        ASSERT_TRUE(open.found) << row.name;
        EXPECT_EQ(open.caption, row.caption) << row.name;
        EXPECT_EQ(open.text, row.text) << row.name;
        EXPECT_EQ(open.owner, nullptr) << row.name;
        EXPECT_FALSE(open.mainWindowEnabled) << row.name << ": a task-modal box disables the thread's windows";
        EXPECT_TRUE(IsWindowEnabled(stand.window())) << row.name << ": enabled again once the box is closed";
        EXPECT_EQ(stand.leftText(), left) << row.name;
        EXPECT_EQ(stand.rightText(), right) << row.name;
    }
}

}  // namespace
}  // namespace realsuffix
