#include "platform/box_text.h"

namespace realsuffix {

HeapText readBoxText(HWND box) {
    // The length may be larger than the text (it can count double-byte
    // characters twice), never smaller; the copy ends at its NUL.
    const int length = GetWindowTextLengthA(box);
    const std::size_t capacity = static_cast<std::size_t>(length > 0 ? length : 0) + 1;
    HeapText text(static_cast<char*>(heapAllocOrDie(capacity)));
    text.get()[0] = '\0';
    GetWindowTextA(box, text.get(), static_cast<int>(capacity));
    return text;
}

void writeBoxText(HWND box, const char* text) { SetWindowTextA(box, text != nullptr ? text : ""); }

}  // namespace realsuffix
