#include "ui/logic/module_folder.h"

namespace realsuffix {

std::optional<std::size_t> moduleFolderLength(std::string_view path, LeadBytePredicate isLeadByte) {
    std::optional<std::size_t> lastBackslash;
    for (std::size_t at = 0; at < path.size();) {
        const unsigned char byte = static_cast<unsigned char>(path[at]);
        if (byte == '\\') lastBackslash = at;
        // A lead byte with its trail byte is one character; a lead byte at
        // the very end stands alone, as CharNextA treats it.
        at += (isLeadByte(byte) && at + 1 < path.size()) ? 2 : 1;
    }
    if (!lastBackslash) return std::nullopt;
    const std::size_t length = *lastBackslash;
    const bool bareDrive = length == 2 && path[1] == ':';
    return (length == 0 || bareDrive) ? length + 1 : length;
}

}  // namespace realsuffix
