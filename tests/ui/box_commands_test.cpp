#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/clipboard.h"
#include "stand_in_window.h"
#include "tests/platform/clipboard_contents.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

using testing::ClipboardContent;
using testing::readClipboard;
using testing::StandInWindow;

TEST(ClearBoxes, EmptiesBothBoxesAndNothingElse) {
    struct Row {
        const char* name;
        std::string_view left;
        std::string_view right;
    };
    const Row rows[] = {
        {"after_a_drop", "D:\\v\\\xCA\xD3\xC6\xB5.dat", texts::kDllOrExe},
        {"already_empty", "", ""},
        {"only_right", "", texts::kUnknown},
    };
    StandInWindow stand;
    SetWindowTextA(stand.window(), "stand-in");
    for (const Row& row : rows) {
        stand.setTexts(row.left, row.right);
        clearBoxes(stand.boxes());
        EXPECT_EQ(stand.leftText(), "") << row.name;
        EXPECT_EQ(stand.rightText(), "") << row.name;
        EXPECT_EQ(testing::windowText(stand.window()), "stand-in") << row.name;
    }
}

// --- Clipboard ---------------------------------------------------------------

// A format of our own, to tell whether the former content survived.
UINT markerFormat() {
    static const UINT format = RegisterClipboardFormatA("realsuffix test marker");
    return format;
}

// Leaves "former" as text and a marker block on the clipboard.
void placeFormerContent() {
    const ClipboardSession clipboard;
    ASSERT_TRUE(clipboard.isOpen());
    EmptyClipboard();
    handToClipboard(CF_TEXT, globalTextBlock("former"));
    handToClipboard(markerFormat(), globalTextBlock("marker"));
}

// The formats the system may make up from CF_TEXT when it is asked for them.
bool isSynthesizedFromText(UINT format) {
    return format == CF_OEMTEXT || format == CF_UNICODETEXT || format == CF_LOCALE;
}

TEST(CopyBoxToClipboard, PlacesTheBoxBytesAndANulAsTextOnly) {
    struct Row {
        const char* name;
        void (*command)(const Boxes&);
        std::string_view left;
        std::string_view right;
        std::string_view expected;
    };
    const std::string_view gbkPath = "D:\\\xCA\xD3\xC6\xB5\\\xC6\xAC\xB6\xCE.dat";  // D:\视频\片段.dat
    const Row rows[] = {
        {"left_gbk_path", leftBoxToClipboard, gbkPath, ".mp4", gbkPath},
        {"right_unknown", rightBoxToClipboard, gbkPath, texts::kUnknown, texts::kUnknown},
        {"right_dll_or_exe", rightBoxToClipboard, "a.bin", texts::kDllOrExe, texts::kDllOrExe},
        {"left_empty", leftBoxToClipboard, "", ".mp4", ""},
        {"right_empty", rightBoxToClipboard, gbkPath, "", ""},
    };
    StandInWindow stand;
    for (const Row& row : rows) {
        placeFormerContent();
        stand.setTexts(row.left, row.right);
        row.command(stand.boxes());

        const ClipboardContent content = readClipboard();
        ASSERT_TRUE(content.textBlock) << row.name;
        // The block is one byte longer than the text (the system may round
        // its size up; the extra bytes are zero-filled).
        const std::string& block = *content.textBlock;
        ASSERT_GT(block.size(), row.expected.size()) << row.name;
        EXPECT_EQ(block.substr(0, row.expected.size()), row.expected) << row.name;
        EXPECT_EQ(block.find_first_not_of('\0', row.expected.size()), std::string::npos) << row.name;
        // Only CF_TEXT was placed: it comes first, the former marker is gone,
        // and the rest are the text formats the system makes up from it.
        ASSERT_FALSE(content.formats.empty()) << row.name;
        EXPECT_EQ(content.formats.front(), static_cast<UINT>(CF_TEXT)) << row.name;
        for (std::size_t i = 1; i < content.formats.size(); ++i) {
            EXPECT_TRUE(isSynthesizedFromText(content.formats[i])) << row.name << ": format " << content.formats[i];
        }
        EXPECT_EQ(stand.leftText(), row.left) << row.name << ": a copy changes no box";
        EXPECT_EQ(stand.rightText(), row.right) << row.name;
    }
}

// Holds the clipboard open for a window of a second thread, as another
// program would.
class ClipboardHolder {
public:
    ClipboardHolder()
        : opened_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = std::thread([this] {
            const HWND owner = CreateWindowExA(0, "STATIC", "holder", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                               GetModuleHandleA(nullptr), nullptr);
            held_ = OpenClipboard(owner) != FALSE;
            SetEvent(opened_);
            WaitForSingleObject(done_, 30000);
            if (held_) CloseClipboard();
            DestroyWindow(owner);
        });
        WaitForSingleObject(opened_, 30000);
    }
    ~ClipboardHolder() {
        SetEvent(done_);
        thread_.join();
        CloseHandle(opened_);
        CloseHandle(done_);
    }
    bool held() const { return held_; }

private:
    HANDLE opened_;
    HANDLE done_;
    bool held_ = false;
    std::thread thread_;
};

TEST(CopyBoxToClipboard, ClipboardHeldByAnotherOwnerKeepsItsContent) {
    StandInWindow stand;
    stand.setTexts("D:\\v\\clip.dat", ".mp4");
    placeFormerContent();
    {
        const ClipboardHolder holder;
        ASSERT_TRUE(holder.held());
        leftBoxToClipboard(stand.boxes());
        rightBoxToClipboard(stand.boxes());
    }
    const ClipboardContent content = readClipboard();
    ASSERT_TRUE(content.textBlock);
    EXPECT_STREQ(content.textBlock->c_str(), "former");
    EXPECT_NE(std::find(content.formats.begin(), content.formats.end(), markerFormat()), content.formats.end());
}

}  // namespace
}  // namespace realsuffix
