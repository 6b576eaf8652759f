// Pins the exact bytes of every program text, written here as hex so that a
// slip in an escape of the texts header can't hide.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "texts/gbk_texts.h"

namespace realsuffix::texts {
namespace {

std::string hexOf(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

struct PinnedText {
    const char* name;
    std::string_view text;
    const char* hex;
};

const PinnedText kPinned[] = {
    {"unknown", kUnknown, "cedeb7a8c5d0b6cf21"},
    {"dll_or_exe", kDllOrExe, "2e646c6cbbf22e657865"},
    {"fatal_caption", kFatalCaption, "b4edcef3"},
    {"fatal_heading", kFatalHeading, "d4cbd0d0cab1b3f6b4ed21"},
    {"fatal_info_label", kFatalInfoLabel, "b4edcef3d0c5cfa2a3ba"},
    {"alloc_failed_format", kAllocFailedFormat, "b7d6c5e420256420d7d6bddac4dab4e6caa7b0dc21"},
    {"layout_load_failed", kLayoutLoadFailed, "d4d8c8ebb4b0bfdac4a3b0e5cafdbeddb6ceb3f6b4ed21"},
    {"window_create_failed", kWindowCreateFailed, "d4d8c8ebc6f4b6afb4b0bfdacaa7b0dc"},
    {"window_caption", kWindowCaption, "4f737472656c696e2042592057656e64616d6172"},
    {"label1", kLabel1, "b0d1cec4bcfecdcfb7c5b5bdd5e2c0ef"},
    {"label2", kLabel2, "baf3d7baceaa"},
    {"button1", kButton1, "b9a6c4dc"},
    {"button2", kButton2, "d2c9bbf3"},
    {"button3", kButton3, "c7e5bfd5"},
    {"button4", kButton4, "b8b4d6c6d7f3b1dfb4b0bfdac4dac8dd"},
    {"button5", kButton5, "b8b4d6c6d3d2b1dfb4b0bfdac4dac8dd"},
    {"button6", kButton6, "d0deb8c4cec4bcfebaf3d7ba"},
    {"default_caption", kDefaultCaption, "d0c5cfa2a3ba"},
    {"kind_list_caption", kKindListCaption, "cdfacdfa3a57656e64616d6172"},
    {"kind_list", kKindList,
     "c5d0b6cfcad3c6b5b8f1cabdb5c4d5e6d5fdbaf3d7ba0d0a"
     "c4bfc7b0c4dcc5d0b6cfb5c4b8f1cabdd3d03a0d0a"
     "726d76622f6d70342f6176692f3367702f776d760d0a"
     "6d70332f7761760d0a"
     "6a70672f706e672f6769662f626d702f6477670d0a"
     "7265672f646c6c2f652f6578650d0a"
     "7261722f7a69702f0d0a"
     "646f632f786c732f6d68742f63686d2f7064660d0a"
     "b3a3bcfbb5c4d5e2bcb8d6d62cd2d4baf3bbb9bbe1b8fcd0c2b8fcb6e0c0e0d0cd"},
    {"questions", kQuestions,
     "312eceaacab2c3b4d3d0d0a9cad3c6b5c5d0b6cfb5c4bde1b9fbd5c5b9dac0eeb4f73f0d0a"
     "2020c5d0b6cfc3bbb4ed21cbb5c3f7c4e3d5e2b8f6cad3c6b5baf3d7babfc9d2d4b8c4b5c42ecad4cad4bcb4bfc92e0d0a"
     "322ec5d0b6cfd3d0cab1baf2b1c8bdcfc2fdb0a13f0d0a"
     "2020d2f2ceaab1c8bdcfb5c4d0c5cfa2d3d0b5e3b6e02ccec4bcfed4bdb4f3c5d0b6cfd4bdc2fd0d0a"},
};

TEST(GbkTexts, BytesAreExact) {
    for (const PinnedText& pinned : kPinned) {
        EXPECT_EQ(hexOf(pinned.text), pinned.hex) << pinned.name;
    }
}

TEST(GbkTexts, HelpTextsHaveTheirFixedLengths) {
    EXPECT_EQ(kKindList.size(), 176u);
    EXPECT_EQ(kQuestions.size(), 150u);
}

}  // namespace
}  // namespace realsuffix::texts
