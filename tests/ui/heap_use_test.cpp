#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/heap.h"
#include "stand_in_window.h"
#include "tests/ui/child_process.h"
#include "tests/platform/recorded_heap_requests.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

using testing::besideThisProgram;
using testing::ChildProcess;
using testing::StandInWindow;

HeapAllocator heapAllocator = nullptr;
int allocationsLeft = 0;

// The heap gives `allocationsLeft` blocks, then no more.
void* runningOutAllocator(std::size_t size) {
    if (allocationsLeft-- > 0) return heapAllocator(size);
    return nullptr;
}

// Every copy of a box's text and the joined name come from the process heap,
// one block each, of the text's length plus its NUL.
TEST(HeapUse, CommandsCopyTheBoxesThroughTheProcessHeap) {
    struct Row {
        const char* name;
        void (*command)(const Boxes&);
        std::vector<std::size_t> requests;
    };
    const Row rows[] = {
        {"left_box_to_clipboard", leftBoxToClipboard, {21}},
        {"right_box_to_clipboard", rightBoxToClipboard, {5}},
        // left, right, the joined name, then the left box again for the old name
        {"append_suffix_to_name", appendSuffixToName, {21, 5, 25, 21}},
        {"clear_boxes", clearBoxes, {}},
    };
    StandInWindow stand;
    for (const Row& row : rows) {
        stand.setTexts("no-such-dir\\clip.dat", ".mp4");
        const testing::RecordedHeapRequests heap;
        row.command(stand.boxes());
        EXPECT_EQ(heap.requests(), row.requests) << row.name;
    }
}

// --- Running out of memory, in a child process ------------------------------
//
// The child is this program again, running one of the disabled tests below;
// the parent reads the fatal box from outside, closes it and checks the
// exit code.

void runOutOfMemoryAfter(int allocations, void (*command)(const Boxes&)) {
    StandInWindow stand;
    stand.setTexts("clip.dat", ".mp4");
    allocationsLeft = allocations;
    heapAllocator = setHeapAllocatorForTesting(runningOutAllocator);
    command(stand.boxes());
    setHeapAllocatorForTesting(heapAllocator);
    FAIL() << "the command returned although the heap was exhausted";
}

TEST(OutOfMemoryChild, DISABLED_CopyLeftBox) { runOutOfMemoryAfter(0, leftBoxToClipboard); }
TEST(OutOfMemoryChild, DISABLED_JoinNewName) { runOutOfMemoryAfter(2, appendSuffixToName); }

// This test program again, running only `test`.
ChildProcess startChild(const std::string& test) {
    return ChildProcess("\"" + besideThisProgram("heap_use_test.exe") +
                        "\" --gtest_also_run_disabled_tests --gtest_filter=" + test);
}

// The child's fatal box, found by its caption; null if the child ends first
// or no box comes within twenty seconds.
HWND waitForFatalBox(const ChildProcess& child) {
    const std::string caption(texts::kFatalCaption);
    for (int tries = 0; tries < 1000; ++tries) {
        for (HWND box = FindWindowExA(nullptr, nullptr, "#32770", caption.c_str()); box != nullptr;
             box = FindWindowExA(nullptr, box, "#32770", caption.c_str())) {
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            if (owner == child.processId()) return box;
        }
        if (child.exitCode(20)) return nullptr;
    }
    return nullptr;
}

// A window's text in another process, asked for with a timeout.
std::string otherProcessWindowText(HWND window) {
    char text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return text;
}

std::string fatalTextForAllocation(std::size_t size) {
    std::string message(texts::kAllocFailedFormat);
    message.replace(message.find("%d"), 2, std::to_string(size));
    return std::string(texts::kFatalHeading) + "\r\n\r\n" + std::string(texts::kFatalInfoLabel) + message + "\r\n";
}

TEST(OutOfMemory, FatalBoxNamesTheSizeThenTheProcessEndsWithMinusOne) {
    struct Row {
        const char* childTest;
        std::size_t size;
    };
    const Row rows[] = {
        {"OutOfMemoryChild.DISABLED_CopyLeftBox", 9},   // the copy of "clip.dat"
        {"OutOfMemoryChild.DISABLED_JoinNewName", 13},  // "clip.dat" and ".mp4" joined
    };
    for (const Row& row : rows) {
        const ChildProcess child = startChild(row.childTest);
        ASSERT_TRUE(child.started()) << row.childTest;
        const HWND box = waitForFatalBox(child);
        EXPECT_NE(box, nullptr) << row.childTest;
        if (box != nullptr) {
            EXPECT_EQ(otherProcessWindowText(GetDlgItem(box, 0xFFFF)), fatalTextForAllocation(row.size))
                << row.childTest;
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        EXPECT_EQ(child.exitCode(20000), std::optional<DWORD>(0xFFFFFFFFu)) << row.childTest;
    }
}

}  // namespace
}  // namespace realsuffix
