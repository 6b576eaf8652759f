// The window's own keys: Tab and Shift+Tab round the tab order, Esc closes
// the window from any control, Enter runs nothing, and the focus comes back
// to where it was after the window was inactive.
#include "tests/ui/child_process.h"
#include "tests/ui/window_fixture.h"

#include <string>
#include <vector>

namespace realsuffix::testing {
namespace {

using enum ControlName;

const std::vector<ControlName> kTabOrder{EditBox1, EditBox2, Button1, Button2,
                                         Button3,  Button4,  Button5, Button6};

class KeyboardTest : public SharedWindowTest {
protected:
    void SetUp() override {
        SharedWindowTest::SetUp();
        for (ControlName name : kTabOrder) EnableWindow(control(name), TRUE);
    }

    // Presses `key` on the control that has the focus, as the keyboard would.
    void press(WPARAM key) {
        postKey(GetFocus(), key);
        pumpMessages(window());
    }
};

TEST_F(KeyboardTest, TabGoesRoundTheTabOrderAndWraps) {
    SetFocus(control(Button6));
    for (ControlName expected : kTabOrder) {
        press(VK_TAB);
        EXPECT_EQ(GetFocus(), control(expected)) << static_cast<int>(expected);
    }
}

TEST_F(KeyboardTest, ShiftTabGoesBackAndWraps) {
    SetFocus(control(EditBox1));
    const HeldKeys shift({VK_SHIFT});
    for (auto expected = kTabOrder.rbegin(); expected != kTabOrder.rend(); ++expected) {
        press(VK_TAB);
        EXPECT_EQ(GetFocus(), control(*expected)) << static_cast<int>(*expected);
    }
}

TEST_F(KeyboardTest, TabSkipsADisabledControl) {
    EnableWindow(control(Button3), FALSE);
    SetFocus(control(Button2));
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), control(Button4));
    const HeldKeys shift({VK_SHIFT});
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), control(Button2));
}

TEST_F(KeyboardTest, TabTypesNoTabIntoABox) {
    SetWindowTextA(control(EditBox1), "ab");
    SetFocus(control(EditBox1));
    press(VK_TAB);
    EXPECT_EQ(windowText(control(EditBox1)), "ab");
    SetWindowTextA(control(EditBox1), "");
}

TEST_F(KeyboardTest, EnterInABoxOrOnAButtonRunsNothing) {
    SetWindowTextA(control(EditBox1), "C:\\a.bin");
    SetWindowTextA(control(EditBox2), ".zip");
    for (ControlName name : {EditBox1, EditBox2, Button3}) {
        SetFocus(control(name));
        press(VK_RETURN);
        EXPECT_EQ(GetFocus(), control(name)) << static_cast<int>(name);
    }
    EXPECT_TRUE(IsWindow(window().handle()));
    EXPECT_EQ(windowText(control(EditBox1)), "C:\\a.bin");
    EXPECT_EQ(windowText(control(EditBox2)), ".zip");
    SetWindowTextA(control(EditBox1), "");
    SetWindowTextA(control(EditBox2), "");
}

TEST_F(KeyboardTest, EscWithAModifierKeepsTheWindow) {
    for (int modifier : {VK_CONTROL, VK_SHIFT}) {
        SetFocus(control(EditBox1));
        const HeldKeys held({modifier});
        press(VK_ESCAPE);
        EXPECT_TRUE(IsWindow(window().handle())) << modifier;
    }
}

TEST_F(KeyboardTest, FocusComesBackAfterTheWindowWasInactive) {
    SetFocus(control(Button5));
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    SetActiveWindow(other);
    pumpMessages(window());
    EXPECT_NE(GetFocus(), control(Button5));
    SetActiveWindow(window().handle());
    pumpMessages(window());
    EXPECT_EQ(GetFocus(), control(Button5));
    DestroyWindow(other);
}

// Esc closes the window wherever the focus is; each case needs a window of its own.
TEST(EscKey, ClosesTheWindowFromABoxAndFromAButton) {
    const ScopedOle ole;
    for (ControlName name : {EditBox2, Button6}) {
        MainWindow window;
        ASSERT_TRUE(openWindow(window));
        SetFocus(window.control(name));
        postKey(window.control(name), VK_ESCAPE);
        pumpMessages(window);
        EXPECT_FALSE(IsWindow(window.control(name))) << static_cast<int>(name);
        EXPECT_EQ(window.handle(), nullptr) << static_cast<int>(name);
    }
}

// --- The program itself --------------------------------------------------------

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK findWindowOf(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<FoundWindow*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (processId != found->processId || std::string(className) != "RealSuffixMainWindow") return TRUE;
    found->window = window;
    return FALSE;
}

HWND waitForWindow(DWORD processId) {
    for (int tries = 0; tries < 200; ++tries) {
        FoundWindow found{processId, nullptr};
        EnumWindows(findWindowOf, reinterpret_cast<LPARAM>(&found));
        if (found.window != nullptr && IsWindowVisible(found.window)) return found.window;
        Sleep(50);
    }
    return nullptr;
}

TEST(Program, StartsWithTheFocusInTheLeftBoxAndEndsWithCodeZeroOnEsc) {
    const ChildProcess program("\"" + besideThisProgram("realsuffix.exe") + "\" ignored arguments");
    ASSERT_TRUE(program.started());
    HWND window = waitForWindow(program.processId());
    ASSERT_NE(window, nullptr);

    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    // On activation the window itself has the focus for a moment before it
    // hands it on; wait until it has been handed on (or never is).
    for (int tries = 0; tries < 100 && (thread.hwndFocus == nullptr || thread.hwndFocus == window); ++tries) {
        GetGUIThreadInfo(program.threadId(), &thread);
        Sleep(20);
    }
    char className[64] = "";
    GetClassNameA(thread.hwndFocus, className, sizeof className);
    EXPECT_STRCASEEQ(className, "Edit");
    EXPECT_EQ(GetParent(thread.hwndFocus), window);

    // The key itself, at the focused box: the program's own loop handles it.
    PostMessageA(thread.hwndFocus, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(program.exitCode(20000), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace realsuffix::testing
