#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "platform/message_box.h"
#include "stand_in_window.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

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

BOOL CALLBACK keepMessageBox(HWND window, LPARAM result) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The message box of `thread` once it is open, or null after ten seconds.
HWND waitForMessageBox(DWORD thread) {
    for (int tries = 0; tries < 500; ++tries) {
        HWND found = nullptr;
        EnumThreadWindows(thread, keepMessageBox, reinterpret_cast<LPARAM>(&found));
        if (found != nullptr) return found;
        Sleep(20);
    }
    return nullptr;
}

struct OpenBox {
    bool found = false;
    std::string caption;
    std::string text;
    bool mainWindowEnabled = true;
    HWND owner = nullptr;
};

// Watches for the box from a second thread while the command runs its modal
// loop on this one, reads it and closes it with its OK button.
OpenBox runAndCloseBox(void (*command)(const Boxes&), const StandInWindow& stand) {
    OpenBox open;
    const DWORD commandThread = GetCurrentThreadId();
    std::thread watcher([&] {
        const HWND box = waitForMessageBox(commandThread);
        if (box == nullptr) return;
        open.found = true;
        open.caption = windowText(box);
        open.text = windowText(GetDlgItem(box, 0xFFFF));
        open.mainWindowEnabled = IsWindowEnabled(stand.window()) != FALSE;
        open.owner = GetWindow(box, GW_OWNER);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    command(stand.boxes());
    watcher.join();
    return open;
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
