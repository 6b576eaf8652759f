// The whole ANSI text of a window of this process, for the window tests.
#pragma once

#include <windows.h>

#include <string>

namespace realsuffix::testing {

inline std::string windowText(HWND window) {
    // The ANSI length may count more bytes than the text has, never fewer.
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace realsuffix::testing
