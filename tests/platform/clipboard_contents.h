// What the clipboard holds, read the way another program would read it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace realsuffix::testing {

struct ClipboardContent {
    std::vector<UINT> formats;             // in the order the system lists them
    std::optional<std::string> textBlock;  // the whole CF_TEXT block, NULs included

    // The text of the CF_TEXT block, up to its first NUL.
    std::optional<std::string> text() const {
        if (!textBlock) return std::nullopt;
        return std::string(textBlock->c_str());
    }
};

// Empty when the clipboard can't be opened.
inline ClipboardContent readClipboard() {
    ClipboardContent content;
    const ClipboardSession clipboard;
    if (!clipboard.isOpen()) return content;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        content.formats.push_back(format);
    }
    if (HANDLE block = GetClipboardData(CF_TEXT)) {
        const ScopedGlobalLock lock(block);
        if (lock.bytes() != nullptr) content.textBlock = std::string(lock.bytes(), GlobalSize(block));
    }
    return content;
}

}  // namespace realsuffix::testing
