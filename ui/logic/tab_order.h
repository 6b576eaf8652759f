// Moving the focus through the window's controls with Tab and Shift+Tab.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace realsuffix {

// Returns the position in `takesFocus` (the controls in tab order, true for
// each one that is visible, enabled and a tab stop) that Tab (forward) or
// Shift+Tab reaches from `current`, wrapping round at either end. From no
// control (nullopt), Tab reaches the first and Shift+Tab the last. Nothing
// when no control takes the focus.
std::optional<std::size_t> nextTabStop(std::span<const bool> takesFocus,
                                       std::optional<std::size_t> current, bool forward);

}  // namespace realsuffix
