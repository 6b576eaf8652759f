// Writing a test file by its ANSI name, so GBK names reach the file system
// in the very bytes the program will see.
#pragma once

#include <windows.h>

#include <string>

namespace realsuffix::testing {

// Writes `content` into a new file `path` (or over an old one when
// `replace`); false when it can't be made.
inline bool writeAnsiFile(const std::string& path, const std::string& content, bool replace = true) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, replace ? CREATE_ALWAYS : CREATE_NEW,
                                    0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                          written == content.size();
    CloseHandle(file);
    return complete;
}

}  // namespace realsuffix::testing
