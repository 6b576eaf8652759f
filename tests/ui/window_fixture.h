// A real MainWindow under Wine for the window's tests, and the few helpers
// they share: pumping messages the way the program's loop does, holding
// modifier keys, reading a control's text and rectangle.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <optional>

#include <commctrl.h>
#include <string>

#include "platform/ole_owners.h"
#include "tests/ui/window_text.h"
#include "ui/layout.h"
#include "ui/main_window.h"

namespace realsuffix::testing {

// Handles what is queued, as runMessageLoop does, without waiting. A quit
// message (a window of an earlier test was closed) is dropped.
inline void pumpMessages(MainWindow& window) {
    MSG message;
    for (int round = 0; round < 4; ++round) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            if (window.handleKey(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

// Holds modifier keys in this thread's keyboard state while it lives.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_.data());
        std::array<BYTE, 256> state = saved_;
        for (int key : keys) state[key] = 0x80;
        SetKeyboardState(state.data());
    }
    ~HeldKeys() { SetKeyboardState(saved_.data()); }

private:
    std::array<BYTE, 256> saved_{};
};

// The control's rectangle in its parent's client coordinates.
inline RECT rectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Posts a key press to `target` as the keyboard would deliver it there.
inline void postKey(HWND target, WPARAM key) { PostMessageA(target, WM_KEYDOWN, key, 1); }

// Makes a window from `layout` in front, with its first messages handled.
inline bool openWindow(MainWindow& window, std::span<const ControlRow> layout = loadLayout()) {
    if (!window.create(layout, GetModuleHandleA(nullptr))) return false;
    SetForegroundWindow(window.handle());
    pumpMessages(window);
    return true;
}

// One window for all the tests of a suite: under Wine without a window
// manager, taking a window off the screen waits two seconds for a manager
// that never answers.
class SharedWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ole_.emplace();
        window_.emplace();
        opened_ = openWindow(*window_);
        initialFocus_ = GetFocus();
    }
    static void TearDownTestSuite() {
        window_.reset();
        ole_.reset();
    }
    void SetUp() override {
        ASSERT_TRUE(opened_);
        SetForegroundWindow(window_->handle());
        pumpMessages(*window_);
    }

    static MainWindow& window() { return *window_; }
    static HWND control(ControlName name) { return window_->control(name); }

    inline static std::optional<ScopedOle> ole_;
    inline static std::optional<MainWindow> window_;
    inline static bool opened_ = false;
    inline static HWND initialFocus_ = nullptr;
};

}  // namespace realsuffix::testing
