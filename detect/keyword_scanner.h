// Finds the whole-content signatures ("Word", "Excel") in one pass over
// content that arrives in chunks.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "detect/signature_chain.h"

namespace realsuffix {

class KeywordScanner {
public:
    // Bytes a caller must carry from the end of one window to the front of
    // the next, so that a signature straddling two reads is still seen.
    static constexpr std::size_t kCarryBytes = [] {
        std::size_t longest = 0;
        for (std::string_view keyword : kScanKeywords)
            if (keyword.size() > longest) longest = keyword.size();
        return longest - 1;
    }();

    // Looks for every keyword in `window`, which begins with the bytes carried
    // over from the previous window. Matches are only counted where the whole
    // keyword lies inside the window.
    void scan(std::string_view window);

    // True once the first keyword of the chain was found: no later content can
    // change the outcome then.
    bool finished() const { return found_[0]; }

    bool found(std::size_t keyword) const { return found_[keyword]; }

private:
    bool confirmAt(std::string_view window, std::size_t position);
    std::size_t scanVectorBlocks(std::string_view window);

    std::array<bool, kScanKeywords.size()> found_{};
};

}  // namespace realsuffix
