// Reading a file front to back, for reading only and with writers shut out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/unique_resource.h"

namespace realsuffix {

// A Windows file handle or a POSIX descriptor; both use -1 for "none"
// (INVALID_HANDLE_VALUE is -1 as an integer).
struct NativeFilePolicy {
    using Handle = std::intptr_t;
    static constexpr Handle invalid() { return -1; }
    static void release(Handle handle);
};

class ReadOnlyFile {
public:
    // Opens the file named by the ANSI `path`, sharing it with readers but not
    // with writers. An empty path opens nothing. The result is closed (see
    // isOpen) when the file can't be opened: no such file, a bad name, a
    // folder, or another process holding it open for writing.
    static ReadOnlyFile open(const char* path);

    bool isOpen() const { return static_cast<bool>(handle_); }

    // Reads up to `capacity` bytes into `dest`: how many came, 0 at the end,
    // or nothing on a read error.
    std::optional<std::size_t> read(char* dest, std::size_t capacity);

private:
    explicit ReadOnlyFile(std::intptr_t handle) : handle_(handle) {}

    UniqueResource<NativeFilePolicy> handle_;
};

}  // namespace realsuffix
