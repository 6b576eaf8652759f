#include "ui/logic/dropped_names.h"

namespace realsuffix {

HeapText joinDroppedNames(const DroppedNames& names) {
    const std::size_t count = names.count();
    const std::size_t separator = count >= 2 ? 2 : 0;  // CR LF after each of several
    std::size_t size = 1;
    for (std::size_t i = 0; i < count; ++i) size += names.length(i) + separator;

    HeapText payload(static_cast<char*>(heapAllocOrDie(size)));
    char* next = payload.get();
    const char* const end = payload.get() + size;
    for (std::size_t i = 0; i < count; ++i) {
        // Room for the name as long as its length said, and its NUL. A copy
        // that comes out shorter than announced (the list changed, or a
        // query failed) moves the rest up instead of leaving a gap.
        const std::size_t room = names.length(i) + 1;
        const std::size_t copied = names.copy(i, next, room);
        next += copied < room ? copied : room - 1;
        if (separator != 0) {
            *next++ = '\r';
            *next++ = '\n';
        }
    }
    if (next < end) *next = '\0';
    return payload;
}

}  // namespace realsuffix
