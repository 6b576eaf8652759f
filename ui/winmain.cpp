// The program: start-up in a fixed order, the window, the message loop.
#include <windows.h>

#include "platform/fatal_error.h"
#include "platform/heap.h"
#include "platform/ole_owners.h"
#include "texts/gbk_texts.h"
#include "ui/logic/module_folder.h"
#include "ui/main_window.h"

namespace realsuffix {
namespace {

bool isLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// The program's path as GetModuleFileNameA gives it, however long it is.
HeapText programPath() {
    for (DWORD capacity = MAX_PATH + 1;; capacity *= 2) {
        HeapText path(static_cast<char*>(heapAllocOrDie(capacity)));
        const DWORD length = GetModuleFileNameA(nullptr, path.get(), capacity);
        if (length == 0) return HeapText();
        if (length < capacity) return path;  // not cut short
        if (capacity >= 0x10000) return HeapText();
    }
}

// Makes the program's folder the current one, so that relative paths
// resolve against it.
void enterProgramFolder() {
    const HeapText path = programPath();
    if (!path) return;
    const auto folderLength = moduleFolderLength(path.get(), isLeadByte);
    if (!folderLength) return;
    path.get()[*folderLength] = '\0';
    SetCurrentDirectoryA(path.get());
}

int run(HINSTANCE instance) {
    // A drive without media or a file that can't be opened makes a call
    // fail, never a system box.
    SetErrorMode(SetErrorMode(0) | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const ScopedOle ole;  // uninitialised after the window is gone
    enterProgramFolder();

    const std::span<const ControlRow> layout = loadLayout();
    if (layout.empty()) fatalError(texts::kLayoutLoadFailed);
    MainWindow window;
    if (!window.create(layout, instance)) fatalError(texts::kWindowCreateFailed);
    return runMessageLoop(window);
}

}  // namespace
}  // namespace realsuffix

// The command line is ignored.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return realsuffix::run(instance); }
