#include <gtest/gtest.h>
#include <windows.h>

#include "platform/clipboard.h"
#include "tests/platform/clipboard_contents.h"

namespace realsuffix {
namespace {

TEST(GlobalTextBlock, HoldsTheBytesAndANul) {
    const UniqueGlobal block = globalTextBlock("\xCA\xD3\xC6\xB5");  // 视频
    ASSERT_TRUE(block);
    EXPECT_GE(GlobalSize(block.get()), 5u);
    const ScopedGlobalLock lock(block.get());
    EXPECT_STREQ(lock.bytes(), "\xCA\xD3\xC6\xB5");
}

TEST(HandToClipboard, RefusedBlockIsFreed) {
    // Not opened by this thread, the clipboard refuses every block.
    UniqueGlobal block = globalTextBlock("refused");
    const HGLOBAL handle = block.get();
    ASSERT_NE(GlobalFlags(handle), static_cast<UINT>(GMEM_INVALID_HANDLE));
    EXPECT_FALSE(handToClipboard(CF_TEXT, std::move(block)));
    EXPECT_EQ(GlobalFlags(handle), static_cast<UINT>(GMEM_INVALID_HANDLE));
}

TEST(SetClipboardText, TrueOnceTheClipboardOwnsTheText) {
    EXPECT_TRUE(setClipboardText("abc"));
    EXPECT_EQ(testing::readClipboard().text(), std::optional<std::string>("abc"));
}

}  // namespace
}  // namespace realsuffix
