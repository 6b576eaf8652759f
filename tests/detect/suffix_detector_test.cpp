// The decisive cases of the chain, as tiny byte strings.
#include <gtest/gtest.h>

#include <string>

#include "detect/signature_chain.h"
#include "detect/suffix_detector.h"
#include "tests/detect/reference_detector.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

using namespace std::string_literals;

// `at` bytes of filler ('.' matches nothing) and then `bytes`: the bytes
// begin at 1-based position at + 1.
std::string placed(std::size_t at, const std::string& bytes) { return std::string(at, '.') + bytes; }

struct Case {
    const char* name;
    std::string content;
    std::string_view expected;
};

const std::string kDoc = ".doc", kXls = ".xls";

const Case kCases[] = {
    {"empty_content", "", texts::kUnknown},
    {"exactly_rmf", ".RMF", ".rmvb"},
    {"rmf_cut_short", ".RM", texts::kUnknown},
    {"mp4_at_50", placed(49, "mp4"), ".mp4"},
    {"mp4_at_51", placed(50, "mp4"), texts::kUnknown},
    {"m4v_at_50", placed(49, "M4V"), ".mp4"},
    {"mp4_cut_by_end_at_50", placed(49, "mp"), texts::kUnknown},
    {"avi_at_20", placed(19, "AVI"), ".AVI"},
    {"avi_at_21", placed(20, "AVI"), texts::kUnknown},
    {"wav_at_20", placed(19, "WAV"), ".wav"},
    {"wav_at_21", placed(20, "WAV"), texts::kUnknown},
    {"3gp4_at_24", placed(23, "3gp4"), ".3gp"},
    {"3gp4_at_25", placed(24, "3gp4"), texts::kUnknown},
    {"jfif_at_7", placed(6, "JFIF"), ".jpg"},
    {"jfif_at_6", placed(5, "JFIF"), texts::kUnknown},
    {"jfif_at_8", placed(7, "JFIF"), texts::kUnknown},
    {"exif_jpeg_goes_on", "\xFF\xD8\xFF\xE1\x00\x10\x45xif\x00"s, texts::kUnknown},
    {"png_at_2", "\x89PNG\r\n", ".png"},
    {"png_at_1", "PNG", texts::kUnknown},
    {"wmv", "0&\xB2u", ".wmv"},
    {"flv", "FLV\x01", ".flv"},
    {"mp3", "ID3\x03", ".mp3"},
    {"gif", "GIF89a", ".gif"},
    {"bmp", "BM", ".bmp"},
    {"dwg", "AC1015", ".dwg"},
    {"mz", "MZ\x90\x00"s, texts::kDllOrExe},
    {"reg", "REGEDIT4", ".reg"},
    {"e", "CNWTEPRG", ".e"},
    {"rar", "Rar!\x1A\x07", ".rar"},
    {"zip", "PK\x03\x04", ".zip"},
    {"mht", "From: someone", ".mht"},
    {"chm", "ITSF\x03", ".chm"},
    {"pdf", "%PDF-1.4", ".pdf"},
    {"lower_case_never_matches", "avi rar pk word mP4 excel", texts::kUnknown},
    {"mp4_brand_in_type_box", "\x00\x00\x00\x18" "ftypmp42\x00\x00\x00\x00" "mp41isom"s, ".mp4"},
    {"mp4_before_3gp4", "\x00\x00\x00\x18" "ftyp3gp4\x00\x00\x00\x00" "mp41"s, ".mp4"},
    {"riff_avi", "RIFF\x10\x00\x00\x00" "AVI LIST"s, ".AVI"},
    {"riff_wave", "RIFF\x10\x00\x00\x00" "WAVEfmt "s, ".wav"},
    {"zip_with_mp4_member", "PK\x03\x04" + std::string(26, '\x01') + "clip.mp4", ".mp4"},
    {"mz_then_avi", "MZAVI", ".AVI"},
    {"id3_then_avi", "ID3" + std::string(10, '\x01') + "AVI", ".AVI"},
    {"id3_then_wav", "ID3" + std::string(10, '\x01') + "WAV", ".mp3"},
    {"pk_then_word", "PK\x03\x04 Word", ".zip"},
    {"pdf_mentioning_word", "%PDF-1.4 Producer: Word", kDoc},
    {"from_mentioning_excel", "From: x\r\nExcel", kXls},
    {"word_beats_earlier_excel", "Excel then Word", kDoc},
    {"word_as_last_bytes", placed(5000, "Word"), kDoc},
    {"excel_as_last_bytes", placed(5000, "Excel"), kXls},
    {"word_cut_by_end", placed(100, "Wor"), texts::kUnknown},
    {"zero_inside_word", "Wo\x00rd"s, texts::kUnknown},
    {"zero_inside_head_run", "PN\x00G"s, texts::kUnknown},
    {"zero_before_avi", "\x00\x00" "AVI"s, ".AVI"},
};

TEST(DetectFromBytes, DecisiveCases) {
    for (const Case& c : kCases) {
        EXPECT_EQ(detectFromBytes(c.content), c.expected) << c.name;
        // The literal reference agrees, so the table itself is right.
        EXPECT_EQ(reference::detect(c.content), std::string(c.expected)) << c.name;
    }
}

TEST(DetectFromBytes, EveryPrefixOfEveryCaseAgreesWithTheReference) {
    for (const Case& c : kCases) {
        for (std::size_t length = 0; length <= c.content.size(); ++length) {
            const std::string prefix = c.content.substr(0, length);
            EXPECT_EQ(std::string(detectFromBytes(prefix)), reference::detect(prefix))
                << c.name << " cut to " << length;
        }
    }
}

struct ProbeCase {
    const char* name;
    std::string content;
    std::int64_t position;
    std::string_view signature;
    bool expected;
};

TEST(MatchesAt, ClampsAndStopsAtZeroByte) {
    const ProbeCase cases[] = {
        {"at_start", "PK", 1, "PK", true},
        {"ends_on_last_byte", "xPK", 2, "PK", true},
        {"runs_past_end", "xP", 2, "PK", false},
        {"beyond_end", "PK", 3, "PK", false},
        {"far_beyond_end", "PK", 1000, "PK", false},
        {"position_zero_clamps_to_start", "PK", 0, "PK", true},
        {"negative_position_clamps_to_start", "PK", -5, "PK", true},
        {"zero_byte_in_run", "P\x00K"s, 1, "PK", false},
        {"zero_byte_after_run", "PK\x00"s, 1, "PK", true},
        {"case_sensitive", "pk", 1, "PK", false},
        {"empty_content", "", 1, "PK", false},
    };
    for (const ProbeCase& c : cases) {
        EXPECT_EQ(matchesAt(c.content, c.position, c.signature), c.expected) << c.name;
        EXPECT_EQ(reference::matchesAt(c.content, c.position, std::string(c.signature)), c.expected) << c.name;
    }
}

TEST(SignatureChain, ResultsFollowTheChainOrder) {
    ASSERT_EQ(kSignatureChain.size(), reference::rules().size());
    for (std::size_t i = 0; i < kSignatureChain.size(); ++i) {
        EXPECT_EQ(std::string(kSignatureChain[i].result), reference::rules()[i].result) << "rule " << i + 1;
    }
}

}  // namespace
}  // namespace realsuffix
