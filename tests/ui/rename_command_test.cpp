#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "stand_in_window.h"
#include "tests/ui/ansi_file.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

using testing::StandInWindow;

// What a folder holds: name -> content; a name ending in '\' is a folder,
// listed with what it holds in turn.
using Listing = std::map<std::string, std::string>;

void removeTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = path + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

std::string fileContent(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<unreadable>";
    char buffer[256];
    DWORD count = 0;
    ReadFile(file, buffer, sizeof buffer, &count, nullptr);
    CloseHandle(file);
    return std::string(buffer, count);
}

void listInto(const std::string& path, const std::string& prefix, Listing& listing) {
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            listing[prefix + name + "\\"] = "";
            listInto(path + "\\" + name, prefix + name + "\\", listing);
        } else {
            listing[prefix + name] = fileContent(path + "\\" + name);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

Listing listFolder(const std::string& path) {
    Listing listing;
    listInto(path, "", listing);
    return listing;
}

// A fresh folder under the temporary folder, made the current directory for
// the life of the object: the program runs with its own folder as the
// current directory, so relative names resolve against a known place.
class ScratchFolder {
public:
    ScratchFolder() {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "realsuffix-rename-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter_++);
        removeTree(path_);
        CreateDirectoryA(path_.c_str(), nullptr);
        char previous[MAX_PATH];
        GetCurrentDirectoryA(sizeof previous, previous);
        previous_ = previous;
        SetCurrentDirectoryA(path_.c_str());
    }
    ~ScratchFolder() {
        SetCurrentDirectoryA(previous_.c_str());
        removeTree(path_);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }

    // Makes the files and folders of `listing`, in name order, so that a
    // folder is made before what it holds.
    void fill(const Listing& listing) const {
        for (const auto& [name, content] : listing) {
            const std::string full = path_ + "\\" + name;
            if (name.back() == '\\') {
                CreateDirectoryA(full.c_str(), nullptr);
                continue;
            }
            testing::writeAnsiFile(full, content, false);
        }
    }

private:
    static inline int counter_ = 0;
    std::string path_;
    std::string previous_;
};

const std::string kVideo = "\xCA\xD3\xC6\xB5";  // 视频
const std::string kAbsolute = "<scratch>";     // stands for the scratch folder's full path

std::string withScratch(const std::string& text, const std::string& scratch) {
    return text.rfind(kAbsolute, 0) == 0 ? scratch + text.substr(kAbsolute.size()) : text;
}

TEST(AppendSuffixToName, RenamesToTheLeftBoxFollowedByTheRightBox) {
    struct Row {
        const char* name;
        Listing before;
        std::string left;
        std::string right;
        int clicks;
        Listing after;
    };
    const std::string unknown(texts::kUnknown);
    const std::string dllOrExe(texts::kDllOrExe);
    const Row rows[] = {
        {"suffix_after_the_old_one", {{"clip.dat", "v"}}, kAbsolute + "\\clip.dat", ".mp4", 1,
         {{"clip.dat.mp4", "v"}}},
        {"gbk_name", {{kVideo + ".dat", "v"}}, kAbsolute + "\\" + kVideo + ".dat", ".mp4", 1,
         {{kVideo + ".dat.mp4", "v"}}},
        {"dll_or_exe_appended_whole", {{"clip.bin", "x"}}, kAbsolute + "\\clip.bin", dllOrExe, 1,
         {{"clip.bin" + dllOrExe, "x"}}},
        {"unknown_appended_too", {{"clip.dat", "v"}}, kAbsolute + "\\clip.dat", unknown, 1,
         {{"clip.dat" + unknown, "v"}}},
        {"empty_right_box_keeps_the_name", {{"clip.dat", "v"}}, kAbsolute + "\\clip.dat", "", 1,
         {{"clip.dat", "v"}}},
        {"empty_left_box_does_nothing", {{"clip.dat", "v"}, {".mp4", "dot"}}, "", ".mp4", 1,
         {{"clip.dat", "v"}, {".mp4", "dot"}}},
        {"existing_target_is_kept", {{"clip.dat", "old"}, {"clip.dat.mp4", "other"}}, kAbsolute + "\\clip.dat",
         ".mp4", 1, {{"clip.dat", "old"}, {"clip.dat.mp4", "other"}}},
        {"existing_target_folder_is_kept", {{"clip.dat", "old"}, {"clip.dat.mp4\\", ""}}, kAbsolute + "\\clip.dat",
         ".mp4", 1, {{"clip.dat", "old"}, {"clip.dat.mp4\\", ""}}},
        {"folder_renamed_with_its_content", {{"clips\\", ""}, {"clips\\a.txt", "a"}}, kAbsolute + "\\clips",
         ".mp4", 1, {{"clips.mp4\\", ""}, {"clips.mp4\\a.txt", "a"}}},
        {"second_click_changes_nothing", {{"clip.dat", "v"}}, kAbsolute + "\\clip.dat", ".mp4", 2,
         {{"clip.dat.mp4", "v"}}},
        {"relative_name_in_the_current_directory", {{"clip.dat", "v"}}, "clip.dat", ".mp4", 1,
         {{"clip.dat.mp4", "v"}}},
        {"no_such_file", {{"clip.dat", "v"}}, kAbsolute + "\\other.dat", ".mp4", 1, {{"clip.dat", "v"}}},
        {"invalid_new_name", {{"clip.dat", "v"}}, kAbsolute + "\\clip.dat", "?*|", 1, {{"clip.dat", "v"}}},
    };
    StandInWindow stand;
    for (const Row& row : rows) {
        const ScratchFolder scratch;
        scratch.fill(row.before);
        const std::string left = withScratch(row.left, scratch.path());
        stand.setTexts(left, row.right);
        for (int click = 0; click < row.clicks; ++click) appendSuffixToName(stand.boxes());
        EXPECT_EQ(listFolder(scratch.path()), row.after) << row.name;
        EXPECT_EQ(stand.leftText(), left) << row.name << ": the left box keeps the old name";
        EXPECT_EQ(stand.rightText(), row.right) << row.name;
    }
}

}  // namespace
}  // namespace realsuffix
