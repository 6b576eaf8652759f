// Records the sizes asked of the process heap while it lives; every request
// is still served by the heap.
#pragma once

#include <vector>

#include "platform/heap.h"

namespace realsuffix::testing {

class RecordedHeapRequests {
public:
    RecordedHeapRequests() {
        sizes().clear();
        realAllocator() = setHeapAllocatorForTesting(record);
    }
    ~RecordedHeapRequests() { setHeapAllocatorForTesting(realAllocator()); }
    RecordedHeapRequests(const RecordedHeapRequests&) = delete;
    RecordedHeapRequests& operator=(const RecordedHeapRequests&) = delete;

    const std::vector<std::size_t>& requests() const { return sizes(); }

private:
    // The allocator seam takes a plain function, so the record is static.
    static std::vector<std::size_t>& sizes() {
        static std::vector<std::size_t> recorded;
        return recorded;
    }
    static HeapAllocator& realAllocator() {
        static HeapAllocator allocator = nullptr;
        return allocator;
    }
    static void* record(std::size_t size) {
        sizes().push_back(size);
        return realAllocator()(size);
    }
};

}  // namespace realsuffix::testing
