#include "detect/suffix_detector.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "detect/keyword_scanner.h"
#include "detect/signature_chain.h"

namespace realsuffix {
namespace {

// Room kept in front of each read for the bytes carried over from the last
// window, so that the read destination itself stays aligned.
constexpr std::size_t kCarryRoom = 64;
static_assert(KeywordScanner::kCarryBytes <= kCarryRoom);
// The first read is small: most files are decided by their first bytes.
constexpr std::size_t kFirstReadBytes = 4096 - kCarryRoom;

bool ruleMatchesHead(const SignatureRule& rule, std::string_view head) {
    for (std::int64_t position = rule.first; position <= rule.last; ++position) {
        for (std::string_view signature : rule.signatures) {
            if (!signature.empty() && matchesAt(head, position, signature)) return true;
        }
    }
    return false;
}

// The chain splits where the first whole-content rule stands: the rules
// before it need only the head, the rest also need the scan.
constexpr auto kHeadOnlyRules = std::span(kSignatureChain).first(kFirstScanRule);
constexpr auto kRulesFromFirstScan = std::span(kSignatureChain).subspan(kFirstScanRule);

// Returns the first rule before the scans that the head decides, if any.
std::optional<std::string_view> decideByHeadAlone(std::string_view head) {
    for (const SignatureRule& rule : kHeadOnlyRules) {
        if (ruleMatchesHead(rule, head)) return rule.result;
    }
    return std::nullopt;
}

// Runs the rest of the chain once the scan's outcome is known. Rules whose
// positions are fixed look only at the head, which holds every byte their
// probes can reach.
std::string_view decideAfterScan(std::string_view head, const KeywordScanner& scan) {
    std::size_t keyword = 0;
    for (const SignatureRule& rule : kRulesFromFirstScan) {
        const bool matched = isScanRule(rule) ? scan.found(keyword++) : ruleMatchesHead(rule, head);
        if (matched) return rule.result;
    }
    return texts::kUnknown;
}

// Reads until `want` bytes are in or the content ends; nothing on a read error.
std::optional<std::size_t> readAtLeast(ByteSource& source, char* dest, std::size_t capacity,
                                       std::size_t want) {
    std::size_t got = 0;
    while (got < want) {
        const std::optional<std::size_t> count = source.read(dest + got, capacity - got);
        if (!count) return std::nullopt;
        if (*count == 0) break;
        got += *count;
    }
    return got;
}

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::string_view content) : rest_(content) {}
    std::optional<std::size_t> read(char* dest, std::size_t capacity) override {
        const std::size_t count = std::min(capacity, rest_.size());
        std::memcpy(dest, rest_.data(), count);
        rest_.remove_prefix(count);
        return count;
    }

private:
    std::string_view rest_;
};

}  // namespace

bool matchesAt(std::string_view content, std::int64_t position, std::string_view signature) {
    const std::int64_t length = static_cast<std::int64_t>(content.size());
    const std::size_t start = static_cast<std::size_t>(std::clamp<std::int64_t>(position - 1, 0, length));
    std::string_view run = content.substr(start, signature.size());
    run = run.substr(0, run.find('\0'));
    return run == signature;
}

std::string_view detectFromSource(ByteSource& source, std::span<char> workBuffer) {
    if (workBuffer.size() < kMinWorkBufferBytes) return texts::kUnknown;
    char* const readArea = workBuffer.data() + kCarryRoom;
    const std::size_t readCapacity = workBuffer.size() - kCarryRoom;

    const std::optional<std::size_t> firstCount =
        readAtLeast(source, readArea, std::min(readCapacity, kFirstReadBytes), kHeadBytes);
    if (!firstCount) return texts::kUnknown;

    std::array<char, kHeadBytes> headBytes{};
    const std::size_t headSize = std::min(*firstCount, kHeadBytes);
    std::memcpy(headBytes.data(), readArea, headSize);
    const std::string_view head(headBytes.data(), headSize);
    if (const auto result = decideByHeadAlone(head)) return *result;

    KeywordScanner scanner;
    std::string_view window(readArea, *firstCount);
    while (!window.empty()) {
        scanner.scan(window);
        if (scanner.finished()) break;
        // Carry the window's last bytes to just before the read area.
        const std::size_t carry = std::min(KeywordScanner::kCarryBytes, window.size());
        std::memmove(readArea - carry, window.data() + window.size() - carry, carry);
        const std::optional<std::size_t> count = source.read(readArea, readCapacity);
        if (!count) return texts::kUnknown;
        window = *count == 0 ? std::string_view() : std::string_view(readArea - carry, carry + *count);
    }
    return decideAfterScan(head, scanner);
}

std::string_view detectFromBytes(std::string_view content) {
    MemorySource source(content);
    std::array<char, kMinWorkBufferBytes> workBuffer;
    return detectFromSource(source, workBuffer);
}

}  // namespace realsuffix
