// The chain of signature rules that decides a file's real suffix.
//
// The order of the rows is the order in which the rules are tried: many files
// satisfy several rules, and the earliest one wins.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "texts/gbk_texts.h"

namespace realsuffix {

// A last start position that means "up to the content's last byte".
inline constexpr std::int64_t kToEnd = INT64_MAX;

struct SignatureRule {
    // Tried in this order at each start position; the second may be empty.
    std::array<std::string_view, 2> signatures;
    std::int64_t first;  // 1-based first start position
    std::int64_t last;   // 1-based last start position, inclusive, or kToEnd
    std::string_view result;
};

inline constexpr std::array<SignatureRule, 23> kSignatureChain{{
    {{".RMF", ""}, 1, 1, ".rmvb"},
    // MP4 brands (mp41, mp42, M4V ...) sit in the type box near the start.
    {{"mp4", "M4V"}, 1, 50, ".mp4"},
    // Upper case on purpose: this suffix is shown as it always was.
    {{"AVI", ""}, 1, 20, ".AVI"},
    {{"0&", ""}, 1, 1, ".wmv"},
    {{"3gp4", ""}, 1, 24, ".3gp"},
    {{"FLV", ""}, 1, 1, ".flv"},
    {{"ID3", ""}, 1, 1, ".mp3"},
    {{"WAV", ""}, 1, 20, ".wav"},
    {{"JFIF", ""}, 7, 7, ".jpg"},
    {{"PNG", ""}, 2, 2, ".png"},
    {{"GIF", ""}, 1, 1, ".gif"},
    {{"BM", ""}, 1, 1, ".bmp"},
    {{"AC101", ""}, 1, 1, ".dwg"},
    {{"MZ", ""}, 1, 1, texts::kDllOrExe},
    {{"REG", ""}, 1, 1, ".reg"},
    {{"CNWTEPRG", ""}, 1, 1, ".e"},
    {{"Rar", ""}, 1, 1, ".rar"},
    {{"PK", ""}, 1, 1, ".zip"},
    // The two whole-content scans come before the three fixed-position rules
    // below, so a PDF or a mail archive that merely mentions "Word" anywhere
    // is reported as ".doc". Kept as it is: users know these answers.
    {{"Word", ""}, 1, kToEnd, ".doc"},
    {{"Excel", ""}, 1, kToEnd, ".xls"},
    {{"From", ""}, 1, 1, ".mht"},
    {{"ITSF", ""}, 1, 1, ".chm"},
    {{"%PDF", ""}, 1, 1, ".pdf"},
}};

constexpr bool isScanRule(const SignatureRule& rule) { return rule.last == kToEnd; }

// Number of leading bytes that decide every rule with fixed positions: the
// furthest byte that any of their probes can look at.
constexpr std::size_t headBytesNeeded() {
    std::size_t furthest = 0;
    for (const SignatureRule& rule : kSignatureChain) {
        if (isScanRule(rule)) continue;
        for (std::string_view signature : rule.signatures) {
            const std::size_t end = static_cast<std::size_t>(rule.last) - 1 + signature.size();
            if (end > furthest) furthest = end;
        }
    }
    return furthest;
}
inline constexpr std::size_t kHeadBytes = headBytesNeeded();

// Where the first whole-content rule stands: every rule before it is decided
// by the first bytes alone, without reading the rest of the file.
constexpr std::size_t firstScanRule() {
    std::size_t index = 0;
    while (index < kSignatureChain.size() && !isScanRule(kSignatureChain[index])) ++index;
    return index;
}
inline constexpr std::size_t kFirstScanRule = firstScanRule();

constexpr std::size_t scanRuleCount() {
    std::size_t count = 0;
    for (const SignatureRule& rule : kSignatureChain) count += isScanRule(rule) ? 1 : 0;
    return count;
}

// The signatures of the whole-content rules, in chain order.
constexpr std::array<std::string_view, scanRuleCount()> scanKeywords() {
    std::array<std::string_view, scanRuleCount()> keywords{};
    std::size_t next = 0;
    for (const SignatureRule& rule : kSignatureChain)
        if (isScanRule(rule)) keywords[next++] = rule.signatures[0];
    return keywords;
}
inline constexpr auto kScanKeywords = scanKeywords();

constexpr bool isWellFormedSignature(std::string_view signature) {
    if (signature.size() < 2 || signature.size() > 8) return false;
    for (char byte : signature)
        if (byte == '\0') return false;
    return true;
}

constexpr bool chainIsWellFormed() {
    for (const SignatureRule& rule : kSignatureChain) {
        if (!isWellFormedSignature(rule.signatures[0])) return false;
        if (!rule.signatures[1].empty() && !isWellFormedSignature(rule.signatures[1])) return false;
        if (rule.first < 1 || rule.last < rule.first) return false;
        // A scan looks for one signature from the first byte on.
        if (isScanRule(rule) && (rule.first != 1 || !rule.signatures[1].empty())) return false;
        if (rule.result.empty() || rule.result[0] != '.') return false;
    }
    return true;
}
static_assert(chainIsWellFormed());
static_assert(kHeadBytes == 52, "rule 2's last probe covers bytes 50 to 52");
static_assert(kScanKeywords.size() == 2);

}  // namespace realsuffix
