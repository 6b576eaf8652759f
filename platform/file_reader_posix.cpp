#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "platform/file_reader.h"

namespace realsuffix {

void NativeFilePolicy::release(Handle handle) { ::close(static_cast<int>(handle)); }

ReadOnlyFile ReadOnlyFile::open(const char* path) {
    if (path == nullptr || path[0] == '\0') return ReadOnlyFile(NativeFilePolicy::invalid());
    // POSIX has no share modes; a folder opens here but fails its first read.
    const int descriptor = ::open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor >= 0) posix_fadvise(descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
    return ReadOnlyFile(descriptor);
}

std::optional<std::size_t> ReadOnlyFile::read(char* dest, std::size_t capacity) {
    if (!isOpen()) return std::nullopt;
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(handle_.get()), dest, capacity);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) return std::nullopt;
    }
}

}  // namespace realsuffix
