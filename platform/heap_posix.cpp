#include <cstdlib>

#include "platform/system_heap.h"

namespace realsuffix {

// malloc(0) may give null; one byte keeps "null means no memory" true.
void* systemHeapAlloc(std::size_t size) { return std::malloc(size == 0 ? 1 : size); }

void systemHeapFree(void* block) noexcept { std::free(block); }

}  // namespace realsuffix
