// Every text and buffer the program makes comes from the process heap, and
// running out of it is fatal: there is one path for that, here.
#pragma once

#include <cstddef>

#include "platform/unique_resource.h"

namespace realsuffix {

// Returns a block of `size` bytes from the process heap. When the heap can't
// give it, shows the fatal error box with the size asked for and ends the
// process; it never returns null.
void* heapAllocOrDie(std::size_t size);
void heapFree(void* block) noexcept;

// A seam for tests: replaces the allocation that heapAllocOrDie makes (null
// means "no memory") and returns the previous one. Null restores the heap.
using HeapAllocator = void* (*)(std::size_t size);
HeapAllocator setHeapAllocatorForTesting(HeapAllocator allocator);

struct HeapBlockPolicy {
    using Handle = void*;
    static Handle invalid() { return nullptr; }
    static void release(Handle block) { heapFree(block); }
};
using HeapBlock = UniqueResource<HeapBlockPolicy>;

// A NUL-terminated ANSI text on the process heap.
struct HeapTextPolicy {
    using Handle = char*;
    static Handle invalid() { return nullptr; }
    static void release(Handle text) { heapFree(text); }
};
using HeapText = UniqueResource<HeapTextPolicy>;

}  // namespace realsuffix
