#include <charconv>

#include "platform/fatal_error.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

// Appends `part` to the text in `buffer`, as much as fits before the NUL.
std::size_t appendText(char* buffer, std::size_t used, std::size_t capacity, std::string_view part) {
    const std::size_t room = capacity - 1 - used;
    const std::size_t count = part.size() < room ? part.size() : room;
    part.copy(buffer + used, count);
    buffer[used + count] = '\0';
    return used + count;
}

}  // namespace

void formatFatalText(std::string_view message, char* buffer, std::size_t capacity) {
    if (capacity == 0) return;
    buffer[0] = '\0';
    std::size_t used = 0;
    for (std::string_view part : {texts::kFatalHeading, std::string_view("\r\n\r\n"), texts::kFatalInfoLabel,
                                  message, std::string_view("\r\n")}) {
        used = appendText(buffer, used, capacity, part);
    }
}

void formatAllocFailed(std::size_t size, char* buffer, std::size_t capacity) {
    if (capacity == 0) return;
    // The number replaces the format's %d, in decimal and never negative.
    const std::string_view format = texts::kAllocFailedFormat;
    const std::size_t marker = format.find("%d");
    char digits[24];
    const auto converted = std::to_chars(digits, digits + sizeof digits, size);
    buffer[0] = '\0';
    std::size_t used = appendText(buffer, 0, capacity, format.substr(0, marker));
    used = appendText(buffer, used, capacity, std::string_view(digits, converted.ptr - digits));
    appendText(buffer, used, capacity, format.substr(marker + 2));
}

}  // namespace realsuffix
