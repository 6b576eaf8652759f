// A real top-level window with two real EDIT boxes, standing in for the main
// window in the tests of the commands.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "tests/ui/window_text.h"
#include "ui/button_commands.h"

namespace realsuffix::testing {

class StandInWindow {
public:
    StandInWindow();
    ~StandInWindow();
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;

    HWND window() const { return window_; }
    Boxes boxes() const { return boxes_; }

    void setTexts(std::string_view left, std::string_view right);
    std::string leftText() const;
    std::string rightText() const;

private:
    HWND window_;
    Boxes boxes_;
};

}  // namespace realsuffix::testing
