// A drag source for the end-to-end drop test: drags a file list from a small
// window of its own to a point on the screen with synthesized mouse input,
// through the system's DoDragDrop loop, and drops it there.
//   drag_source X Y PATH...
// Prints what DoDragDrop returned; exit code 0 after a drop, 1 when the drag
// was cancelled, 2 on bad arguments or a failed set-up.
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tools/file_list_data_object.h"

namespace {

using realsuffix::testing::FileListDataObject;

// Drops as soon as the left button is up (read from the system, which the
// synthesized input updates), cancels on Esc.
class ButtonDropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keyState) override {
        if (escape) return DRAGDROP_S_CANCEL;
        const bool down = (keyState & MK_LBUTTON) != 0 && (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
        return down ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

void sendMouse(int x, int y, DWORD buttons) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    SendInput(1, &input, sizeof input);
}

// Moves from `from` to `to` in steps while the button is held, then lets go.
void moveAndRelease(POINT from, POINT to) {
    Sleep(300);
    constexpr int kSteps = 12;
    for (int step = 1; step <= kSteps; ++step) {
        sendMouse(from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps, 0);
        Sleep(60);
    }
    Sleep(300);
    sendMouse(to.x, to.y, MOUSEEVENTF_LEFTUP);
}

// Pumps this thread's messages until the press has arrived at its window.
void waitForPress(HWND window) {
    for (int tries = 0; tries < 200; ++tries) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
            if (message.message == WM_LBUTTONDOWN && message.hwnd == window) return;
        }
        Sleep(10);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: drag_source X Y PATH...\n");
        return 2;
    }
    const POINT to{std::atoi(argv[1]), std::atoi(argv[2])};
    std::vector<std::string> names(argv + 3, argv + argc);
    if (FAILED(OleInitialize(nullptr))) return 2;

    // The drag begins on a window of this program, away from the target.
    const POINT from{to.x, to.y + 220};
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "drag source", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                  from.x - 40, from.y - 20, 80, 40, nullptr, nullptr, nullptr, nullptr);
    if (window == nullptr) return 2;
    SetForegroundWindow(window);
    sendMouse(from.x, from.y, 0);
    sendMouse(from.x, from.y, MOUSEEVENTF_LEFTDOWN);
    waitForPress(window);

    FileListDataObject data(std::move(names));
    data.countReleases = false;  // the receiver is another process: it frees the block
    ButtonDropSource source;
    std::thread mover(moveAndRelease, from, to);
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result =
        DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    mover.join();
    std::printf("DoDragDrop: 0x%08lX, effect %lu\n", static_cast<unsigned long>(result),
                static_cast<unsigned long>(effect));
    // The window goes with the process.
    OleUninitialize();
    return result == DRAGDROP_S_CANCEL ? 1 : 0;
}
