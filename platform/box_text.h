// Reading and writing the text of a box (an edit control), in ANSI bytes.
#pragma once

#include <windows.h>

#include "platform/heap.h"

namespace realsuffix {

// A fresh heap copy of the box's whole text; an empty box gives the empty text.
HeapText readBoxText(HWND box);

// Replaces the box's whole text.
void writeBoxText(HWND box, const char* text);

}  // namespace realsuffix
