// Decides a file's real suffix from its bytes, by the signature chain.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace realsuffix {

// True when `content` holds `signature` exactly, beginning at the 1-based
// `position`. The probe takes the bytes from there, clamped to the content,
// and compares them as a text, which ends at a zero byte: so a signature that
// would run past the end, or a zero byte inside the compared run, never
// matches.
bool matchesAt(std::string_view content, std::int64_t position, std::string_view signature);

// Where the detection reads content from, front to back.
class ByteSource {
public:
    // Fills up to `capacity` bytes at `dest`; returns how many came, 0 at the
    // end of the content, or nothing on a read error.
    virtual std::optional<std::size_t> read(char* dest, std::size_t capacity) = 0;

protected:
    ~ByteSource() = default;
};

// The smallest work buffer detectFromSource accepts.
inline constexpr std::size_t kMinWorkBufferBytes = 4096;
// The work buffer the program uses: large reads are what make a scan as fast
// as the disk.
inline constexpr std::size_t kWorkBufferBytes = (std::size_t{1} << 20) + 64;

// Returns the result text for the content that `source` delivers: a suffix of
// the chain or the unknown text. Rules decided by the first bytes read only
// those; the whole-content rules stream the rest through `workBuffer` (at
// least kMinWorkBufferBytes) in one pass. A read error counts as unreadable
// content, like an empty file. Never fails and never allocates.
std::string_view detectFromSource(ByteSource& source, std::span<char> workBuffer);

// The same for content already in memory.
std::string_view detectFromBytes(std::string_view content);

// Reads the file named by `path` (an ANSI path) and returns its result text.
// An empty path, a file that can't be opened or read, or a folder gives the
// unknown text. Every result text is a whole literal, so the view's bytes are
// followed by a NUL and can be handed to Windows as they are.
std::string_view detectRealSuffix(const char* path);

}  // namespace realsuffix
