#include "platform/clipboard.h"

#include <cstring>

namespace realsuffix {

UniqueGlobal globalTextBlock(std::string_view text) {
    UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1));
    if (!block) return block;
    const ScopedGlobalLock lock(block.get());
    if (lock.bytes() == nullptr) return UniqueGlobal();
    // The block is zero-filled, so the NUL after the bytes is there already.
    std::memcpy(lock.bytes(), text.data(), text.size());
    return block;
}

bool handToClipboard(UINT format, UniqueGlobal block) {
    if (SetClipboardData(format, block.get()) == nullptr) return false;
    block.release();  // the clipboard owns it now
    return true;
}

bool setClipboardText(const char* text) {
    const ClipboardSession clipboard;
    if (!clipboard.isOpen()) return false;
    EmptyClipboard();
    // A block that can't be had leaves the clipboard emptied, closed empty.
    UniqueGlobal block = globalTextBlock(text != nullptr ? text : "");
    if (!block) return false;
    return handToClipboard(CF_TEXT, std::move(block));
}

}  // namespace realsuffix
