#include "ui/logic/tab_order.h"

namespace realsuffix {

std::optional<std::size_t> nextTabStop(std::span<const bool> takesFocus,
                                       std::optional<std::size_t> current, bool forward) {
    const std::size_t count = takesFocus.size();
    if (count == 0) return std::nullopt;
    // Start just outside the order so that the first step lands on an end.
    std::size_t at = current && *current < count ? *current : (forward ? count - 1 : 0);
    for (std::size_t step = 0; step < count; ++step) {
        at = forward ? (at + 1) % count : (at + count - 1) % count;
        if (takesFocus[at]) return at;
    }
    return std::nullopt;
}

}  // namespace realsuffix
