// Making the window's controls from their layout rows: the system's edit boxes
// and buttons, and labels that the program paints itself.
#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace realsuffix {

// Registers the label class; true when it is registered (also from before).
bool registerLabelClass(HINSTANCE instance);

// Returns a new, still hidden child of `parent` for `row`, in the stock GUI
// font, or null when the system can't make it.
HWND createControl(HWND parent, const ControlRow& row, HINSTANCE instance);

// The edit box's style and the button's, as the window makes them.
inline constexpr DWORD kEditBoxStyle = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
inline constexpr DWORD kButtonStyle = BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE |
                                      WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
inline constexpr char kLabelClass[] = "RealSuffixLabel";

}  // namespace realsuffix
