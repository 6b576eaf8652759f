// Running out of memory has one path: the fatal message with the size asked
// for, and exit code -1.
#include <gtest/gtest.h>

#include "platform/heap.h"

namespace realsuffix {
namespace {

void* noMemory(std::size_t) { return nullptr; }

TEST(HeapAllocOrDie, GivesAUsableBlock) {
    HeapBlock block(heapAllocOrDie(16));
    ASSERT_TRUE(block);
    static_cast<char*>(block.get())[15] = 'x';
}

TEST(HeapAllocOrDieDeathTest, FailedAllocationIsFatalWithTheSize) {
    EXPECT_EXIT(
        {
            setHeapAllocatorForTesting(noMemory);
            heapAllocOrDie(1048640);
        },
        ::testing::ExitedWithCode(255), "1048640");
}

}  // namespace
}  // namespace realsuffix
