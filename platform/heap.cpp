#include "platform/heap.h"

#include "platform/fatal_error.h"
#include "platform/system_heap.h"

namespace realsuffix {
namespace {

HeapAllocator currentAllocator = systemHeapAlloc;

}  // namespace

void* heapAllocOrDie(std::size_t size) {
    if (void* block = currentAllocator(size)) return block;
    char message[128];
    formatAllocFailed(size, message, sizeof message);
    fatalError(message);
}

void heapFree(void* block) noexcept {
    if (block != nullptr) systemHeapFree(block);
}

HeapAllocator setHeapAllocatorForTesting(HeapAllocator allocator) {
    const HeapAllocator previous = currentAllocator;
    currentAllocator = allocator != nullptr ? allocator : systemHeapAlloc;
    return previous;
}

}  // namespace realsuffix
