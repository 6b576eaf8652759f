#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/fatal_error.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

TEST(FatalText, HeadingBlankLineLabelMessageAndLineEnd) {
    char text[256];
    formatFatalText("boom", text, sizeof text);
    EXPECT_EQ(std::string(text), std::string(texts::kFatalHeading) + "\r\n\r\n" +
                                     std::string(texts::kFatalInfoLabel) + "boom\r\n");
}

TEST(FatalText, TruncatesToTheBufferAndStaysTerminated) {
    char text[8];
    std::memset(text, 'z', sizeof text);
    formatFatalText("boom", text, sizeof text);
    EXPECT_EQ(std::strlen(text), 7u);
}

TEST(FatalText, AllocationFailureNamesTheSizeInDecimal) {
    struct Row {
        std::size_t size;
        const char* digits;
    };
    const std::string format(texts::kAllocFailedFormat);
    const std::string before = format.substr(0, format.find("%d"));
    const std::string after = format.substr(format.find("%d") + 2);
    for (const Row row : {Row{0, "0"}, Row{1048640, "1048640"}, Row{4000000000u, "4000000000"}}) {
        char text[128];
        formatAllocFailed(row.size, text, sizeof text);
        EXPECT_EQ(std::string(text), before + row.digits + after);
    }
}

}  // namespace
}  // namespace realsuffix
