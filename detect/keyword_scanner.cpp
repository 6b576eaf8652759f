#include "detect/keyword_scanner.h"

#include <cstring>

// The vector kernels use GCC/Clang target attributes; other compilers get
// the scalar scan.
#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
#include <immintrin.h>
#define REALSUFFIX_X86 1
#endif

namespace realsuffix {
namespace {

// Candidates are the positions where a keyword's first two bytes stand; on
// content without them that leaves about 2 positions in 65,536 to confirm.
// A kernel scans whole blocks from `block` on and returns the first block
// that holds a candidate, with one mask bit per candidate position; a mask of
// 0 means none was found and the scalar tail begins at `block`. Each block
// also reads the byte after it, for the second-byte compare.
struct Candidates {
    std::size_t block;
    unsigned mask;
};

#if REALSUFFIX_X86
[[gnu::target("sse2")]] Candidates nextCandidates16(std::string_view window, std::size_t block) {
    for (; block + 17 <= window.size(); block += 16) {
        const char* at = window.data() + block;
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1));
        __m128i any = _mm_setzero_si128();
        for (std::string_view keyword : kScanKeywords) {
            const __m128i first = _mm_cmpeq_epi8(here, _mm_set1_epi8(keyword[0]));
            const __m128i second = _mm_cmpeq_epi8(next, _mm_set1_epi8(keyword[1]));
            any = _mm_or_si128(any, _mm_and_si128(first, second));
        }
        if (const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(any))) return {block, mask};
    }
    return {block, 0};
}

[[gnu::target("avx2")]] Candidates nextCandidates32(std::string_view window, std::size_t block) {
    for (; block + 33 <= window.size(); block += 32) {
        const char* at = window.data() + block;
        const __m256i here = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
        const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at + 1));
        __m256i any = _mm256_setzero_si256();
        for (std::string_view keyword : kScanKeywords) {
            const __m256i first = _mm256_cmpeq_epi8(here, _mm256_set1_epi8(keyword[0]));
            const __m256i second = _mm256_cmpeq_epi8(next, _mm256_set1_epi8(keyword[1]));
            any = _mm256_or_si256(any, _mm256_and_si256(first, second));
        }
        if (const unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(any))) return {block, mask};
    }
    return {block, 0};
}

struct CandidateKernel {
    Candidates (*next)(std::string_view window, std::size_t block);
    std::size_t width;
};

// Chosen once: AVX2 where the processor has it, else SSE2 (every x86 that
// runs this program has SSE2, but the 32-bit build can't assume it).
CandidateKernel chooseKernel() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return {nextCandidates32, 32};
    if (__builtin_cpu_supports("sse2")) return {nextCandidates16, 16};
    return {nullptr, 0};
}

const CandidateKernel& candidateKernel() {
    static const CandidateKernel kernel = chooseKernel();
    return kernel;
}
#endif

}  // namespace

bool KeywordScanner::confirmAt(std::string_view window, std::size_t position) {
    for (std::size_t k = 0; k < kScanKeywords.size(); ++k) {
        const std::string_view keyword = kScanKeywords[k];
        if (!found_[k] && window.size() - position >= keyword.size() &&
            std::memcmp(window.data() + position, keyword.data(), keyword.size()) == 0) {
            found_[k] = true;
        }
    }
    return finished();
}

// Returns the position where the scalar tail has to go on.
std::size_t KeywordScanner::scanVectorBlocks(std::string_view window) {
#if REALSUFFIX_X86
    const CandidateKernel& kernel = candidateKernel();
    if (kernel.next == nullptr) return 0;
    std::size_t block = 0;
    for (;;) {
        const Candidates candidates = kernel.next(window, block);
        if (candidates.mask == 0) return candidates.block;
        for (unsigned mask = candidates.mask; mask != 0; mask &= mask - 1) {
            const std::size_t offset = static_cast<std::size_t>(__builtin_ctz(mask));
            if (confirmAt(window, candidates.block + offset)) return window.size();
        }
        block = candidates.block + kernel.width;
    }
#else
    (void)window;
    return 0;
#endif
}

void KeywordScanner::scan(std::string_view window) {
    if (finished()) return;
    for (std::size_t position = scanVectorBlocks(window); position < window.size(); ++position) {
        if (confirmAt(window, position)) return;
    }
}

}  // namespace realsuffix
