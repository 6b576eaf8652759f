// Putting text on the clipboard as plain ANSI text (CF_TEXT), and the owners
// that make every path release what it took.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/unique_resource.h"

namespace realsuffix {

// Puts `text` (ANSI, NUL-terminated) on the clipboard in the CF_TEXT format
// only, replacing everything it held: true once the clipboard owns the block.
// When another window holds the clipboard open, returns false and leaves it
// as it was.
bool setClipboardText(const char* text);

struct GlobalPolicy {
    using Handle = HGLOBAL;
    static Handle invalid() { return nullptr; }
    static void release(Handle block) { GlobalFree(block); }
};
// A global memory block; the clipboard takes blocks of this kind.
using UniqueGlobal = UniqueResource<GlobalPolicy>;

// A movable, zero-filled block holding `text` and a terminating NUL; empty
// when the system can't give one.
UniqueGlobal globalTextBlock(std::string_view text);

// Hands `block` to the clipboard, open in this thread, as `format`: true
// when the clipboard accepted it and owns it from now on. A refused block
// is freed here, since nobody else owns it.
bool handToClipboard(UINT format, UniqueGlobal block);

// The clipboard, open with no owner window for the life of the object; it
// closes it only if it opened it.
class ClipboardSession {
public:
    ClipboardSession() : open_(OpenClipboard(nullptr) != FALSE) {}
    ~ClipboardSession() {
        if (open_) CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    bool isOpen() const { return open_; }

private:
    bool open_;
};

// GlobalLock paired with GlobalUnlock for the life of the object.
class ScopedGlobalLock {
public:
    explicit ScopedGlobalLock(HGLOBAL block) : block_(block), bytes_(static_cast<char*>(GlobalLock(block))) {}
    ~ScopedGlobalLock() {
        if (bytes_ != nullptr) GlobalUnlock(block_);
    }
    ScopedGlobalLock(const ScopedGlobalLock&) = delete;
    ScopedGlobalLock& operator=(const ScopedGlobalLock&) = delete;

    // The block's bytes, or null when it couldn't be locked.
    char* bytes() const { return bytes_; }

private:
    HGLOBAL block_;
    char* bytes_;
};

}  // namespace realsuffix
