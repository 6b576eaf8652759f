#include <windows.h>

#include "platform/file_reader.h"

namespace realsuffix {
namespace {

HANDLE asHandle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

void NativeFilePolicy::release(Handle handle) { CloseHandle(asHandle(handle)); }

ReadOnlyFile ReadOnlyFile::open(const char* path) {
    if (path == nullptr || path[0] == '\0') return ReadOnlyFile(NativeFilePolicy::invalid());
    // FILE_SHARE_READ alone: the open fails while anyone holds the file open
    // for writing, so we never look at a file half written. Without
    // FILE_FLAG_BACKUP_SEMANTICS a folder can't be opened.
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return ReadOnlyFile(reinterpret_cast<std::intptr_t>(file));
}

std::optional<std::size_t> ReadOnlyFile::read(char* dest, std::size_t capacity) {
    if (!isOpen()) return std::nullopt;
    const DWORD ask = capacity > 0x40000000u ? 0x40000000u : static_cast<DWORD>(capacity);
    DWORD got = 0;
    if (!ReadFile(asHandle(handle_.get()), dest, ask, &got, nullptr)) return std::nullopt;
    return got;
}

}  // namespace realsuffix
