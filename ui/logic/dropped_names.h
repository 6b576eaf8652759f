// Joining the names of a file drop into the one text the drop hands on.
#pragma once

#include <cstddef>

#include "platform/heap.h"

namespace realsuffix {

// The names of one drop, numbered from 0, as the drop's file list gives them.
class DroppedNames {
public:
    virtual std::size_t count() const = 0;
    // The length of name `index` in bytes, without a NUL.
    virtual std::size_t length(std::size_t index) const = 0;
    // Copies name `index` and a NUL into `dest`, which holds `capacity` bytes
    // (the length plus one); returns the bytes copied without the NUL.
    virtual std::size_t copy(std::size_t index, char* dest, std::size_t capacity) const = 0;

protected:
    ~DroppedNames() = default;
};

// Returns the payload of a drop: one name unchanged; several names each
// followed by CR LF, the last one included; no names, the empty text.
HeapText joinDroppedNames(const DroppedNames& names);

}  // namespace realsuffix
