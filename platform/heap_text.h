// Texts on the process heap: every copy of a box's text and every joined
// text the program makes.
#pragma once

#include <initializer_list>
#include <string_view>

#include "platform/heap.h"

namespace realsuffix {

// A fresh NUL-terminated copy of `text` on the process heap.
HeapText copyText(std::string_view text);

// A fresh text holding `parts` one after another, nothing between them, and
// one terminating NUL: its size is the sum of their lengths plus one.
HeapText joinTexts(std::initializer_list<std::string_view> parts);

// The bytes of a heap text up to its NUL; an absent text is the empty text.
inline std::string_view textOf(const HeapText& text) {
    return text ? std::string_view(text.get()) : std::string_view();
}

}  // namespace realsuffix
