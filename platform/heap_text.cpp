#include "platform/heap_text.h"

#include <cstring>

namespace realsuffix {

HeapText copyText(std::string_view text) { return joinTexts({text}); }

HeapText joinTexts(std::initializer_list<std::string_view> parts) {
    std::size_t length = 0;
    for (std::string_view part : parts) length += part.size();
    HeapText joined(static_cast<char*>(heapAllocOrDie(length + 1)));
    char* next = joined.get();
    for (std::string_view part : parts) {
        std::memcpy(next, part.data(), part.size());
        next += part.size();
    }
    *next = '\0';
    return joined;
}

}  // namespace realsuffix
