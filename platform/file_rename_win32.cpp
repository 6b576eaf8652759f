#include <windows.h>

#include "platform/file_rename.h"

namespace realsuffix {

// MoveFileA, unlike MoveFileExA with MOVEFILE_REPLACE_EXISTING, refuses to
// overwrite: a rename can never destroy another file.
bool renameFile(const char* oldName, const char* newName) { return MoveFileA(oldName, newName) != FALSE; }

}  // namespace realsuffix
