#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/heap_text.h"
#include "tests/platform/recorded_heap_requests.h"

namespace realsuffix {
namespace {

TEST(JoinTexts, BytesOneAfterAnotherWithOneNul) {
    struct Row {
        const char* name;
        std::initializer_list<std::string_view> parts;
        std::string_view joined;
    };
    const Row rows[] = {
        {"name_then_suffix", {"D:\\v\\clip.dat", ".mp4"}, "D:\\v\\clip.dat.mp4"},
        {"gbk_bytes_unchanged", {"clip.bin", ".dll\xBB\xF2.exe"}, "clip.bin.dll\xBB\xF2.exe"},
        {"empty_adds_nothing", {"clip.dat", ""}, "clip.dat"},
        {"all_empty", {"", ""}, ""},
        {"none", {}, ""},
    };
    for (const Row& row : rows) {
        const HeapText text = joinTexts(row.parts);
        ASSERT_TRUE(text) << row.name;
        EXPECT_EQ(textOf(text), row.joined) << row.name;
        EXPECT_EQ(std::strlen(text.get()), row.joined.size()) << row.name;
    }
}

TEST(CopyText, IsAFreshCopy) {
    char original[] = "abc";
    const HeapText copy = copyText(original);
    original[0] = 'x';
    EXPECT_EQ(textOf(copy), "abc");
    EXPECT_EQ(textOf(HeapText()), "");
}

TEST(JoinTexts, AsksTheHeapForTheSumPlusOne) {
    const testing::RecordedHeapRequests heap;
    { const HeapText text = joinTexts({"ab", "cde"}); }
    EXPECT_EQ(heap.requests(), std::vector<std::size_t>{6});
}

}  // namespace
}  // namespace realsuffix
