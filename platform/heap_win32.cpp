#include <windows.h>

#include "platform/system_heap.h"

namespace realsuffix {

void* systemHeapAlloc(std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }

void systemHeapFree(void* block) noexcept { HeapFree(GetProcessHeap(), 0, block); }

}  // namespace realsuffix
