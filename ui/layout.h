// The window's controls as one table: where each sits, what it shows, whether
// Tab reaches it and which command a click runs.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>
#include <string_view>

#include "ui/button_commands.h"

namespace realsuffix {

// The controls by the names the window gives them.
enum class ControlName {
    Label1,    // 标签1
    EditBox1,  // 编辑框1, the left box: the dropped path
    Label2,    // 标签2
    EditBox2,  // 编辑框2, the right box: the result
    Button1,   // 按钮1 to 按钮6
    Button2,
    Button3,
    Button4,
    Button5,
    Button6,
};
inline constexpr std::size_t kControlCount = 10;

enum class ControlKind { Label, EditBox, Button };

using ButtonCommand = void (*)(const Boxes& boxes);

struct ControlRow {
    ControlName name;
    ControlKind kind;
    int x, y, width, height;  // in the window's client coordinates
    std::string_view text;    // at start
    bool tabStop;
    ButtonCommand command;  // buttons only
    COLORREF textColour;    // labels only
};

// The control identifier of a row, which WM_COMMAND carries back.
inline int controlId(ControlName name) { return 100 + static_cast<int>(name); }

// Returns the window's layout, built into the program: the rows in tab order
// among those that are tab stops.
std::span<const ControlRow> loadLayout();

// The window itself.
inline constexpr int kWindowWidth = 418;   // outer size, frame included
inline constexpr int kWindowHeight = 127;
inline constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

}  // namespace realsuffix
