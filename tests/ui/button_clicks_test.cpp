// Clicks on the real window's buttons run their commands on its boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/box_text.h"
#include "tests/platform/clipboard_contents.h"
#include "tests/ui/message_box_watcher.h"
#include "tests/ui/window_fixture.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

using testing::SharedWindowTest;
using testing::windowText;

class ButtonClicks : public SharedWindowTest {
protected:
    // Clicks as the mouse would, through the button itself.
    void click(ControlName button) {
        PostMessageA(control(button), BM_CLICK, 0, 0);
        testing::pumpMessages(window());
    }
    void setBoxes(const char* left, const char* right) {
        writeBoxText(control(ControlName::EditBox1), left);
        writeBoxText(control(ControlName::EditBox2), right);
    }
    std::string leftBox() { return windowText(control(ControlName::EditBox1)); }
    std::string rightBox() { return windowText(control(ControlName::EditBox2)); }
};

std::string clipboardText() { return testing::readClipboard().text().value_or("(no text)"); }

TEST_F(ButtonClicks, HelpButtonsShowTheirBoxWhileTheWindowIsDisabled) {
    struct Row {
        ControlName button;
        std::string_view text;
        std::string_view caption;
    };
    const char* left = "D:\\v\\\xCA\xD3\xC6\xB5.dat";  // D:\v\视频.dat
    for (const Row& row : {Row{ControlName::Button1, texts::kKindList, texts::kKindListCaption},
                           Row{ControlName::Button2, texts::kQuestions, texts::kDefaultCaption}}) {
        setBoxes(left, ".mp4");
        const testing::OpenBox open =
            testing::runAndCloseMessageBox([&] { click(row.button); }, window().handle());
        ASSERT_TRUE(open.found) << controlId(row.button);
        EXPECT_EQ(open.text, row.text);
        EXPECT_EQ(open.caption, row.caption);
        EXPECT_FALSE(open.mainWindowEnabled) << "no click reaches the window while the box is open";
        EXPECT_TRUE(IsWindowEnabled(window().handle()));
        EXPECT_EQ(leftBox(), left);
        EXPECT_EQ(rightBox(), ".mp4");
    }
}

TEST_F(ButtonClicks, ClearAndCopyButtons) {
    setBoxes("C:\\clip.dat", texts::kUnknown.data());
    click(ControlName::Button4);
    EXPECT_EQ(clipboardText(), "C:\\clip.dat");
    click(ControlName::Button5);
    EXPECT_EQ(clipboardText(), texts::kUnknown);
    click(ControlName::Button3);
    EXPECT_EQ(leftBox(), "");
    EXPECT_EQ(rightBox(), "");
    click(ControlName::Button4);
    EXPECT_EQ(clipboardText(), "") << "an empty box empties the clipboard's text";
}

TEST_F(ButtonClicks, RenameButtonAppendsTheRightBoxToTheFileName) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "realsuffix-clicks";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path file = folder / "clip.dat";
    std::ofstream(file) << "ftypmp42";
    setBoxes(file.string().c_str(), ".mp4");
    click(ControlName::Button6);
    EXPECT_TRUE(fs::exists(folder / "clip.dat.mp4"));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(leftBox(), file.string()) << "the left box keeps the old name";
    fs::remove_all(folder);
}

}  // namespace
}  // namespace realsuffix
