// The folder of the program file, cut from its path without splitting a
// double-byte character.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace realsuffix {

// Tells whether a byte begins a double-byte character in the ANSI code page.
using LeadBytePredicate = bool (*)(unsigned char byte);

// Returns how many leading bytes of `path` name its folder: the path up to,
// not including, its last backslash, found character by character so that
// the second byte of a double-byte character never counts as one. A folder
// that would be a bare drive ("C:") or nothing keeps its backslash, so that
// it names the root and not the drive's current folder. Nothing when the
// path holds no backslash.
std::optional<std::size_t> moduleFolderLength(std::string_view path, LeadBytePredicate isLeadByte);

}  // namespace realsuffix
