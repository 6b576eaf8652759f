// The six commands behind the buttons of the main window. Each reads the
// boxes at the moment of its click, reports nothing and keeps nothing.
#pragma once

#include <windows.h>

namespace realsuffix {

// The two boxes the commands act on: the path on the left, the suffix on the right.
struct Boxes {
    HWND left;
    HWND right;
};

void showKindList(const Boxes& boxes);
void showQuestions(const Boxes& boxes);
void clearBoxes(const Boxes& boxes);
void leftBoxToClipboard(const Boxes& boxes);
void rightBoxToClipboard(const Boxes& boxes);
void appendSuffixToName(const Boxes& boxes);

}  // namespace realsuffix
