// The operating system's heap, behind heapAllocOrDie. Each platform has one.
#pragma once

#include <cstddef>

namespace realsuffix {

// A block of `size` bytes (a distinct block also for 0), or null.
void* systemHeapAlloc(std::size_t size);
void systemHeapFree(void* block) noexcept;

}  // namespace realsuffix
