// A file dragged by another program through the system's drag loop, with
// real mouse input, lands in the left box and its result in the right one.
#include "tests/ui/ansi_file.h"
#include "tests/ui/child_process.h"
#include "tests/ui/window_fixture.h"

#include <string>

namespace realsuffix::testing {
namespace {

using enum ControlName;

std::string makeFile(const std::string& name, const std::string& content) {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    writeAnsiFile(path, content);
    return path;
}

// Runs `commandLine` to its end while this thread's window goes on handling
// its messages, as the drop calls into it arrive as messages.
DWORD runWhilePumping(std::string commandLine, MainWindow& window) {
    const ChildProcess child(std::move(commandLine));
    if (!child.started()) return 0xFFFFFFFF;
    const DWORD deadline = GetTickCount() + 30000;
    const HANDLE process = child.handle();
    while (MsgWaitForMultipleObjects(1, &process, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0 &&
           GetTickCount() < deadline) {
        pumpMessages(window);
    }
    const std::optional<DWORD> exitCode = child.exitCode(0);
    pumpMessages(window);
    return exitCode.value_or(0xFFFFFFFF);  // a child still running is ended by its owner
}

// Drags `path` with the mouse from another program and drops it on the
// middle of `control`; returns the drag source's exit code.
DWORD dragOnto(MainWindow& window, ControlName control, const std::string& path) {
    RECT rect;
    GetWindowRect(window.control(control), &rect);
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    const std::string commandLine = "\"" + besideThisProgram("drag_source.exe") + "\" " +
                                    std::to_string(centre.x) + " " + std::to_string(centre.y) +
                                    " \"" + path + "\"";
    return runWhilePumping(commandLine, window);
}

TEST(DragDrop, OnlyTheLeftBoxTakesAFileDraggedOntoIt) {
    const ScopedOle ole;
    MainWindow window;
    ASSERT_TRUE(openWindow(window));
    const std::string path =
        makeFile("realsuffix_drag_" + std::to_string(GetCurrentProcessId()) + ".bin", "GIF89a\x01");
    SetWindowTextA(window.control(EditBox1), "typed");
    SetWindowTextA(window.control(EditBox2), "before");

    // Refused over the right box and over a button: nothing changes.
    for (ControlName elsewhere : {EditBox2, Button3}) {
        EXPECT_EQ(dragOnto(window, elsewhere, path), 0u) << static_cast<int>(elsewhere);
        EXPECT_EQ(windowText(window.control(EditBox1)), "typed") << static_cast<int>(elsewhere);
        EXPECT_EQ(windowText(window.control(EditBox2)), "before") << static_cast<int>(elsewhere);
    }

    EXPECT_EQ(dragOnto(window, EditBox1, path), 0u);
    EXPECT_EQ(windowText(window.control(EditBox1)), path);
    EXPECT_EQ(windowText(window.control(EditBox2)), ".gif");
    DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace realsuffix::testing
