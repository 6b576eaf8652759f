// The one message the program shows on its own: a fatal error, then the end.
#pragma once

#include <string_view>

namespace realsuffix {

// Shows the fatal error box with `message` (ANSI bytes) and ends the process
// with exit code -1 once it is closed.
[[noreturn]] void fatalError(std::string_view message);

// The text of the fatal error box for `message`, written into `buffer`
// (truncated to fit; always NUL-terminated). Made without the heap, since the
// heap may be what failed.
void formatFatalText(std::string_view message, char* buffer, std::size_t capacity);

// The message for a failed allocation of `size` bytes, written into `buffer`.
void formatAllocFailed(std::size_t size, char* buffer, std::size_t capacity);

}  // namespace realsuffix
