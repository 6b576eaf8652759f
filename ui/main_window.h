// The program's one window: two boxes, two labels and six buttons laid out
// from the layout table, and the drop target behind the left box.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <span>

#include "platform/heap.h"
#include "ui/file_drop_target.h"
#include "ui/layout.h"

namespace realsuffix {

struct IconPolicy {
    using Handle = HICON;
    static Handle invalid() { return nullptr; }
    static void release(Handle icon) { DestroyIcon(icon); }
};
using UniqueIcon = UniqueResource<IconPolicy>;

class MainWindow {
public:
    MainWindow() = default;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Makes the window from `layout`, centred on the screen, with its
    // controls; registers the left box for file drops; then shows it with
    // the focus in the left box. False when the system can't make it.
    bool create(std::span<const ControlRow> layout, HINSTANCE instance);

    HWND handle() const { return window_; }
    HWND control(ControlName name) const { return controls_[static_cast<std::size_t>(name)]; }
    Boxes boxes() const { return {control(ControlName::EditBox1), control(ControlName::EditBox2)}; }
    // The drop object's target, while the window exists.
    FileDropTarget* dropTarget() { return dropTarget_ ? &*dropTarget_ : nullptr; }

    // Handles the window's own keys before the focused control sees them:
    // Tab and Shift+Tab move the focus, Esc closes the window. True when
    // `message` was one of them and must not be dispatched.
    bool handleKey(const MSG& message);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void onCommand(WPARAM wParam);
    void onActivate(WPARAM wParam);
    void onSetFocus();
    void onDestroy();

    bool createControls(HINSTANCE instance);
    void setIcons(HINSTANCE instance);
    void enableFileDrop();
    void moveFocus(bool forward);
    bool ownsWindow(HWND window) const;

    HWND window_ = nullptr;
    std::span<const ControlRow> layout_;
    std::array<HWND, kControlCount> controls_{};
    HWND focusBeforeDeactivation_ = nullptr;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    // The drop object: made with the controls, gone with the window.
    std::optional<FileDropTarget> dropTarget_;
};

// Runs the message loop, letting `window` handle its keys first, until the
// quit message; returns the code that it carries.
int runMessageLoop(MainWindow& window);

}  // namespace realsuffix
