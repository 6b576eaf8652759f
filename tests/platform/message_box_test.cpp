#include <gtest/gtest.h>

#include <string_view>

#include "platform/message_box.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

TEST(MessageBoxStyle, TaskModalUnlessSystemModal) {
    struct Row {
        const char* name;
        unsigned style;
        unsigned boxStyle;
    };
    const Row rows[] = {
        {"ok_only", 0x0000, 0x2000},
        {"ok_with_information_icon", 0x0040, 0x2040},
        {"error_icon", 0x0010, 0x2010},
        {"task_modal_already", 0x2040, 0x2040},
        {"system_modal_kept", 0x1040, 0x1040},
        {"system_modal_alone", 0x1000, 0x1000},
        {"other_bits_kept", 0x40024, 0x42024},
    };
    for (const Row& row : rows) EXPECT_EQ(messageBoxStyle(row.style), row.boxStyle) << row.name;
}

TEST(MessageBoxCaption, DefaultWhenNoneIsGiven) {
    EXPECT_EQ(std::string_view(messageBoxCaption(nullptr)), texts::kDefaultCaption);
    EXPECT_EQ(std::string_view(messageBoxCaption("")), "");
    EXPECT_EQ(std::string_view(messageBoxCaption(texts::kKindListCaption.data())), texts::kKindListCaption);
}

}  // namespace
}  // namespace realsuffix
