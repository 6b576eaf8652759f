// Renaming a file or folder.
#pragma once

namespace realsuffix {

// Gives the file or folder `oldName` the name `newName` (ANSI paths, relative
// ones against the current directory): true when it was renamed. An existing
// file or folder of the new name is never replaced; the rename fails instead.
bool renameFile(const char* oldName, const char* newName);

}  // namespace realsuffix
