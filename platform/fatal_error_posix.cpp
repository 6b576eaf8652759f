#include <cstdio>
#include <cstdlib>

#include "platform/fatal_error.h"

namespace realsuffix {

// Without a desktop the box becomes a line on stderr; the exit code is the
// same -1, which POSIX reports as 255.
void fatalError(std::string_view message) {
    char text[512];
    formatFatalText(message, text, sizeof text);
    std::fputs(text, stderr);
    std::exit(-1);
}

}  // namespace realsuffix
