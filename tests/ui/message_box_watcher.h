// Reading and closing a message box that the thread under test opens: the
// box runs its modal loop on this thread, so a second thread watches for it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <thread>

#include "tests/ui/window_text.h"

namespace realsuffix::testing {

inline BOOL CALLBACK keepMessageBox(HWND window, LPARAM result) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// The message box of `thread` once it is open, or null after ten seconds.
inline HWND waitForMessageBox(DWORD thread) {
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

// Runs `action` on this thread while a second thread waits for the box it
// opens, reads it (and whether `mainWindow` is enabled meanwhile) and closes
// it with its OK button.
template <class Action>
OpenBox runAndCloseMessageBox(Action action, HWND mainWindow) {
    OpenBox open;
    const DWORD actionThread = GetCurrentThreadId();
    std::thread watcher([&] {
        const HWND box = waitForMessageBox(actionThread);
        if (box == nullptr) return;
        open.found = true;
        open.caption = windowText(box);
        open.text = windowText(GetDlgItem(box, 0xFFFF));
        open.mainWindowEnabled = IsWindowEnabled(mainWindow) != FALSE;
        open.owner = GetWindow(box, GW_OWNER);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    action();
    watcher.join();
    return open;
}

}  // namespace realsuffix::testing
