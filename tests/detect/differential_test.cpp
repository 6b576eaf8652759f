// The engine against the literal reference, over many generated contents:
// signatures planted at and around every boundary of every rule, zero bytes
// inside runs, contents cut short, and the scan's keywords straddling the
// engine's read boundaries.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "detect/suffix_detector.h"
#include "tests/detect/reference_detector.h"

namespace realsuffix {
namespace {

// Delivers content in reads of the given sizes, in turn: the engine must not
// care how the bytes arrive.
class PiecewiseSource final : public ByteSource {
public:
    PiecewiseSource(const std::string& content, std::vector<std::size_t> pieces)
        : rest_(content), pieces_(std::move(pieces)) {}
    std::optional<std::size_t> read(char* dest, std::size_t capacity) override {
        const std::size_t piece = pieces_[next_++ % pieces_.size()];
        const std::size_t count = std::min({capacity, piece, rest_.size()});
        rest_.copy(dest, count);
        rest_.remove_prefix(count);
        delivered_ += count;
        return count;
    }
    std::size_t delivered() const { return delivered_; }

private:
    std::string_view rest_;
    std::vector<std::size_t> pieces_;
    std::size_t delivered_ = 0;
    std::size_t next_ = 0;
};

std::string detectPiecewise(const std::string& content, std::vector<std::size_t> pieces,
                            std::size_t bufferSize = kMinWorkBufferBytes) {
    PiecewiseSource source(content, std::move(pieces));
    std::vector<char> buffer(bufferSize);
    return std::string(detectFromSource(source, buffer));
}

// Filler drawn from the signatures' own letters, so near misses abound.
class ContentMaker {
public:
    explicit ContentMaker(unsigned seed) : random_(seed) {}

    std::string filler(std::size_t length) {
        static constexpr char kAlphabet[] = "WordExcelPKMZAVImp4M4V.RMF0&3gFLID3WJFNGB\x00 ";
        std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
        std::string bytes(length, '\0');
        for (char& byte : bytes) byte = kAlphabet[pick(random_)];
        return bytes;
    }

    std::size_t below(std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_); }

private:
    std::mt19937 random_;
};

void expectAgreement(const std::string& content, const std::string& what) {
    const std::string expected = reference::detect(content);
    ASSERT_EQ(std::string(detectFromBytes(content)), expected) << what;
    ASSERT_EQ(detectPiecewise(content, {1, 3, 2, 7}), expected) << what << " in small pieces";
}

TEST(Differential, SignaturesAroundEveryBoundaryOfEveryRule) {
    ContentMaker maker(1);
    for (const reference::Rule& rule : reference::rules()) {
        for (const std::string& signature : rule.signatures) {
            const std::int64_t last = rule.last < 0 ? 80 : rule.last;
            for (std::int64_t position = std::max<std::int64_t>(1, rule.first - 2); position <= last + 2; ++position) {
                for (int round = 0; round < 6; ++round) {
                    std::string content = maker.filler(static_cast<std::size_t>(position - 1)) + signature;
                    // Sometimes more after it, sometimes cut short, sometimes a zero inside.
                    switch (round % 3) {
                        case 0: content += maker.filler(maker.below(60)); break;
                        case 1: content.resize(content.size() - 1 - maker.below(signature.size())); break;
                        case 2: content[static_cast<std::size_t>(position - 1) + maker.below(signature.size())] = '\0'; break;
                    }
                    expectAgreement(content, signature + " at " + std::to_string(position));
                }
            }
        }
    }
}

TEST(Differential, RandomContents) {
    ContentMaker maker(2);
    for (int round = 0; round < 20000; ++round) {
        expectAgreement(maker.filler(maker.below(120)), "round " + std::to_string(round));
    }
}

// The engine's first read is small and the later ones fill the work buffer;
// the keywords must be found across both kinds of boundary.
TEST(Differential, KeywordsStraddlingReadBoundaries) {
    const std::string quiet(3 * kMinWorkBufferBytes, 'x');
    for (const std::string keyword : {"Word", "Excel"}) {
        for (std::size_t at = 4000; at < 4100; ++at) {
            std::string content = quiet;
            content.replace(at, keyword.size(), keyword);
            expectAgreement(content, keyword + " at offset " + std::to_string(at));
            const std::size_t secondBoundary = 4032 + (kMinWorkBufferBytes - 64);
            content = quiet;
            const std::size_t near = secondBoundary - 50 + (at - 4000);
            content.replace(near, keyword.size(), keyword);
            expectAgreement(content, keyword + " at offset " + std::to_string(near));
        }
    }
}

TEST(Differential, WordAfterExcelAcrossReads) {
    // Excel is remembered while the scan looks on for Word, which wins.
    std::string content(20000, 'x');
    content.replace(10, 5, "Excel");
    expectAgreement(content, "excel alone");
    content.replace(19996, 4, "Word");
    expectAgreement(content, "excel then word at the end");
}

TEST(Differential, FullSizeBufferAcrossItsBoundary) {
    // With the program's own buffer the reads after the first are 1 MiB long.
    const std::size_t boundary = 4032 + (kWorkBufferBytes - 64);
    std::string content(boundary + 100, 'y');
    for (std::size_t at = boundary - 6; at <= boundary + 1; ++at) {
        std::string planted = content;
        planted.replace(at, 5, "Excel");
        PiecewiseSource source(planted, {SIZE_MAX});
        std::vector<char> buffer(kWorkBufferBytes);
        EXPECT_EQ(std::string(detectFromSource(source, buffer)), ".xls") << at;
    }
}

class FailingSource final : public ByteSource {
public:
    explicit FailingSource(std::string head) : head_(std::move(head)) {}
    std::optional<std::size_t> read(char* dest, std::size_t capacity) override {
        if (head_.empty()) return std::nullopt;
        const std::size_t count = std::min(capacity, head_.size());
        head_.copy(dest, count);
        head_.erase(0, count);
        return count;
    }

private:
    std::string head_;
};

TEST(DetectFromSource, ReadErrorCountsAsUnreadable) {
    std::vector<char> buffer(kMinWorkBufferBytes);
    FailingSource immediately("");
    EXPECT_EQ(detectFromSource(immediately, buffer), reference::kUnknown);
    // The scan needs the rest of the file; an error there leaves it unread.
    FailingSource midScan("%PDF-1.4 ...");
    EXPECT_EQ(detectFromSource(midScan, buffer), reference::kUnknown);
}

TEST(DetectFromSource, HeaderDecisionReadsOnlyTheFirstPiece) {
    std::string content = "PK\x03\x04" + std::string(1 << 20, 'x');
    PiecewiseSource source(content, {SIZE_MAX});
    std::vector<char> buffer(kWorkBufferBytes);
    EXPECT_EQ(std::string(detectFromSource(source, buffer)), ".zip");
    EXPECT_LE(source.delivered(), 4096u);
}

TEST(DetectFromSource, TooSmallBufferGivesUnknown) {
    std::vector<char> buffer(kMinWorkBufferBytes - 1);
    PiecewiseSource source("PK", {2});
    EXPECT_EQ(detectFromSource(source, buffer), reference::kUnknown);
}

}  // namespace
}  // namespace realsuffix
