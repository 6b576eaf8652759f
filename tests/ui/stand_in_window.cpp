#include "stand_in_window.h"

namespace realsuffix::testing {
namespace {

constexpr char kClassName[] = "RealsuffixStandIn";

void registerClassOnce() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    (void)registered;
}

HWND createBox(HWND parent, int x) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, x, 10, 200, 24,
                           parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

StandInWindow::StandInWindow() {
    registerClassOnce();
    window_ = CreateWindowExA(0, kClassName, "stand-in", WS_OVERLAPPEDWINDOW, 100, 100, 460, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    boxes_ = {createBox(window_, 10), createBox(window_, 230)};
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

StandInWindow::~StandInWindow() { DestroyWindow(window_); }

void StandInWindow::setTexts(std::string_view left, std::string_view right) {
    SetWindowTextA(boxes_.left, std::string(left).c_str());
    SetWindowTextA(boxes_.right, std::string(right).c_str());
}

std::string StandInWindow::leftText() const { return windowText(boxes_.left); }
std::string StandInWindow::rightText() const { return windowText(boxes_.right); }

}  // namespace realsuffix::testing
