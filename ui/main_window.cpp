#include "ui/main_window.h"

#include "platform/heap_text.h"
#include "texts/gbk_texts.h"
#include "ui/controls.h"
#include "ui/logic/tab_order.h"

namespace realsuffix {
namespace {

constexpr char kWindowClass[] = "RealSuffixMainWindow";

bool registerWindowClass(HINSTANCE instance, WNDPROC windowProc) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool keyIsDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

MainWindow::~MainWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

bool MainWindow::create(std::span<const ControlRow> layout, HINSTANCE instance) {
    layout_ = layout;
    if (!registerWindowClass(instance, windowProc) || !registerLabelClass(instance)) return false;

    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWindowWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kWindowHeight) / 2;
    const HeapText caption = copyText(texts::kWindowCaption);
    if (CreateWindowExA(0, kWindowClass, caption.get(), kWindowStyle, x, y, kWindowWidth,
                        kWindowHeight, nullptr, nullptr, instance, this) == nullptr) {
        return false;
    }
    RECT outer;
    GetWindowRect(window_, &outer);
    if (outer.right - outer.left != kWindowWidth || outer.bottom - outer.top != kWindowHeight) {
        MoveWindow(window_, x, y, kWindowWidth, kWindowHeight, FALSE);
    }
    setIcons(instance);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    if (!createControls(instance)) return false;
    // Registered before the window is shown, so the box never takes a drop
    // that the target doesn't see.
    enableFileDrop();
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    return true;
}

bool MainWindow::createControls(HINSTANCE instance) {
    for (const ControlRow& row : layout_) {
        HWND control = createControl(window_, row, instance);
        if (control == nullptr) return false;
        controls_[static_cast<std::size_t>(row.name)] = control;
    }
    dropTarget_.emplace(FilesDroppedBinding{handleFileDrop, boxes()});
    for (HWND control : controls_) ShowWindow(control, SW_SHOW);
    return true;
}

void MainWindow::setIcons(HINSTANCE instance) {
    bigIcon_.reset(static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 32, 32, 0)));
    smallIcon_.reset(static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, 16, 16, 0)));
    SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

// The window's created step: the left box takes file drops. A failed
// registration goes unnoticed; the box then refuses every drop.
void MainWindow::enableFileDrop() { dropTarget_->registerWindow(control(ControlName::EditBox1)); }

bool MainWindow::ownsWindow(HWND window) const {
    return window != nullptr && (window == window_ || IsChild(window_, window));
}

bool MainWindow::handleKey(const MSG& message) {
    if (window_ == nullptr || message.message != WM_KEYDOWN || !ownsWindow(message.hwnd)) return false;
    switch (message.wParam) {
    case VK_TAB:
        moveFocus(!keyIsDown(VK_SHIFT));
        return true;
    case VK_ESCAPE:
        if (keyIsDown(VK_CONTROL) || keyIsDown(VK_SHIFT) || keyIsDown(VK_MENU)) return false;
        SendMessageA(window_, WM_CLOSE, 0, 0);
        return true;
    }
    return false;
}

void MainWindow::moveFocus(bool forward) {
    // The tab order is the layout's order of its tab stops.
    std::array<HWND, kControlCount> order{};
    std::array<bool, kControlCount> takesFocus{};
    std::size_t count = 0;
    std::optional<std::size_t> current;
    HWND focus = GetFocus();
    for (const ControlRow& row : layout_) {
        if (!row.tabStop) continue;
        HWND control = this->control(row.name);
        if (control == focus) current = count;
        takesFocus[count] = IsWindowVisible(control) && IsWindowEnabled(control);
        order[count++] = control;
    }
    const auto next = nextTabStop(std::span(takesFocus).first(count), current, forward);
    if (next) SetFocus(order[*next]);
}

LRESULT CALLBACK MainWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->controls_.fill(nullptr);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: onCommand(wParam); return 0;
    case WM_ACTIVATE: onActivate(wParam); break;
    case WM_SETFOCUS: onSetFocus(); return 0;
    case WM_DESTROY: onDestroy(); return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void MainWindow::onCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return;
    for (const ControlRow& row : layout_) {
        if (row.command != nullptr && controlId(row.name) == LOWORD(wParam)) {
            row.command(boxes());
            return;
        }
    }
}

void MainWindow::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) != WA_INACTIVE) return;
    HWND focus = GetFocus();
    if (focus != window_ && ownsWindow(focus)) focusBeforeDeactivation_ = focus;
}

// The window hands the focus on to the control that had it when the window
// was last deactivated, or, with none (as on first showing), to the first
// control in tab order.
void MainWindow::onSetFocus() {
    HWND remembered = focusBeforeDeactivation_;
    if (remembered != nullptr && IsWindow(remembered) && IsChild(window_, remembered)) {
        SetFocus(remembered);
    } else {
        moveFocus(true);  // from the window itself: the first in tab order
    }
}

void MainWindow::onDestroy() {
    // The drop target revokes its registration while the left box still
    // exists: children are destroyed after their parent's WM_DESTROY.
    dropTarget_.reset();
    PostQuitMessage(0);
}

int runMessageLoop(MainWindow& window) {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (window.handleKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

}  // namespace realsuffix
