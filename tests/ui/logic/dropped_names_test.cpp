#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/heap_text.h"
#include "tests/platform/recorded_heap_requests.h"
#include "ui/logic/dropped_names.h"

namespace realsuffix {
namespace {

// Names as a file list would give them; `shortBy` makes a copy come out
// shorter than the length announced for it.
class FakeNames : public DroppedNames {
public:
    explicit FakeNames(std::vector<std::string> names, std::size_t shortBy = 0)
        : names_(std::move(names)), shortBy_(shortBy) {}
    std::size_t count() const override { return names_.size(); }
    std::size_t length(std::size_t index) const override { return names_[index].size(); }
    std::size_t copy(std::size_t index, char* dest, std::size_t capacity) const override {
        const std::string& name = names_[index];
        const std::size_t n = std::min(name.size() - std::min(shortBy_, name.size()), capacity - 1);
        std::memcpy(dest, name.data(), n);
        dest[n] = '\0';
        return n;
    }

private:
    std::vector<std::string> names_;
    std::size_t shortBy_;
};

TEST(JoinDroppedNames, OneNameAsIsSeveralEachEndedByCrLf) {
    struct Row {
        const char* name;
        std::vector<std::string> names;
        std::string payload;
    };
    const Row rows[] = {
        {"none_is_empty", {}, ""},
        {"one_unchanged_no_crlf", {"C:\\v\\clip.dat"}, "C:\\v\\clip.dat"},
        {"one_gbk_name_bytes_kept", {"C:\\\xCA\xD3\xC6\xB5\\\x81\x5C.avi"},
         "C:\\\xCA\xD3\xC6\xB5\\\x81\x5C.avi"},
        {"two_each_followed_by_crlf", {"C:\\a.jpg", "C:\\b.png"}, "C:\\a.jpg\r\nC:\\b.png\r\n"},
        {"three_in_list_order", {"3", "1", "2"}, "3\r\n1\r\n2\r\n"},
        {"one_empty_name", {""}, ""},
        {"two_empty_names", {"", ""}, "\r\n\r\n"},
    };
    for (const Row& row : rows) {
        const HeapText payload = joinDroppedNames(FakeNames(row.names));
        ASSERT_TRUE(payload) << row.name;
        EXPECT_EQ(std::string(textOf(payload)), row.payload) << row.name;
    }
}

TEST(JoinDroppedNames, ACopyShorterThanAnnouncedLeavesNoGap) {
    const HeapText payload = joinDroppedNames(FakeNames({"abcd", "efgh"}, 2));
    EXPECT_EQ(std::string(textOf(payload)), "ab\r\nef\r\n");
}

TEST(JoinDroppedNames, AsksTheHeapForExactlyThePayload) {
    const testing::RecordedHeapRequests heap;
    const HeapText payload = joinDroppedNames(FakeNames({"C:\\a.jpg", "C:\\b.png"}));
    EXPECT_EQ(heap.requests(), std::vector<std::size_t>{std::strlen("C:\\a.jpg\r\nC:\\b.png\r\n") + 1});
}

}  // namespace
}  // namespace realsuffix
