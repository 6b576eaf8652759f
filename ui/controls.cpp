#include "ui/controls.h"

#include <commctrl.h>

#include "platform/box_text.h"
#include "platform/heap_text.h"
#include "ui/logic/centred_line.h"

namespace realsuffix {
namespace {

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// A device context of a window, given back when the owner goes.
class WindowDc {
public:
    WindowDc(HWND window, bool wholeWindow)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects a font into a device context for as long as the object lives.
class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(SelectObject(dc, font)) {}
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;
    ~SelectedFont() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// --- Edit boxes --------------------------------------------------------------

// The height of "W" in the box's font: one line of its text.
int lineHeight(HWND box) {
    const WindowDc dc(box, false);
    if (dc.get() == nullptr) return 0;
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    const SelectedFont selected(dc.get(), font != nullptr ? font : guiFont());
    SIZE size{};
    return GetTextExtentPoint32A(dc.get(), "W", 1, &size) ? size.cy : 0;
}

void centreClientArea(HWND box, WPARAM wholeParams, LPARAM params) {
    RECT* client = wholeParams ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(params)->rgrc[0]
                               : reinterpret_cast<RECT*>(params);
    const LineSpan line = centreLine(client->top, client->bottom, lineHeight(box));
    client->top = line.top;
    client->bottom = line.bottom;
}

// The strips above and below the narrowed client area belong to the frame,
// which the system leaves unpainted inside the sunken edge: fill them in
// the box's own background colour.
void paintAroundClientArea(HWND box) {
    RECT window;
    RECT client;
    GetWindowRect(box, &window);
    GetClientRect(box, &client);
    MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    OffsetRect(&window, -window.left, -window.top);
    InflateRect(&window, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CYEDGE));

    const WindowDc dc(box, true);
    if (dc.get() == nullptr) return;
    ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
    FillRect(dc.get(), &window, GetSysColorBrush(COLOR_WINDOW));
}

LRESULT CALLBACK centredEditProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR) {
    switch (message) {
    case WM_NCCALCSIZE: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        centreClientArea(box, wParam, lParam);
        return result;
    }
    case WM_NCPAINT: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        paintAroundClientArea(box);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, centredEditProc, id);
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void setUpEditBox(HWND box) {
    SendMessageA(box, EM_LIMITTEXT, 0, 0);  // 0: as long as the system allows
    SetWindowSubclass(box, centredEditProc, 0, 0);
    // The client area was worked out while the box was made, before the
    // subclass and the font: work it out again.
    SetWindowPos(box, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// --- Labels ------------------------------------------------------------------

void paintLabel(HWND label) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    if (dc == nullptr) return;
    RECT area;
    GetClientRect(label, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));

    const HeapText text = readBoxText(label);  // any window's text reads the same way

    const SelectedFont selected(dc, guiFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(GetWindowLongPtrA(label, GWLP_USERDATA)));
    DrawTextA(dc, text.get(), -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    EndPaint(label, &paint);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paintLabel(label);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(guiFont());
    }
    return DefWindowProcA(label, message, wParam, lParam);
}

struct ControlClass {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

ControlClass classOf(const ControlRow& row) {
    const DWORD tabStop = row.tabStop ? WS_TABSTOP : 0;
    switch (row.kind) {
    case ControlKind::EditBox:
        return {"EDIT", (kEditBoxStyle & ~WS_TABSTOP) | tabStop, WS_EX_CLIENTEDGE};
    case ControlKind::Button:
        return {"BUTTON", (kButtonStyle & ~WS_TABSTOP) | tabStop, 0};
    case ControlKind::Label:
        break;
    }
    return {kLabelClass, WS_CHILD | tabStop, 0};
}

}  // namespace

bool registerLabelClass(HINSTANCE instance) {
    WNDCLASSEXA labelClass{};
    labelClass.cbSize = sizeof labelClass;
    labelClass.lpfnWndProc = labelProc;
    labelClass.hInstance = instance;
    labelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    labelClass.hbrBackground = nullptr;  // painting fills the label itself
    labelClass.lpszClassName = kLabelClass;
    return RegisterClassExA(&labelClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND createControl(HWND parent, const ControlRow& row, HINSTANCE instance) {
    const ControlClass cls = classOf(row);
    const HeapText text = copyText(row.text);
    HWND control = CreateWindowExA(cls.exStyle, cls.className, text.get(), cls.style, row.x, row.y,
                                   row.width, row.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(row.name))),
                                   instance, nullptr);
    if (control == nullptr) return nullptr;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), FALSE);
    if (row.kind == ControlKind::Label) SetWindowLongPtrA(control, GWLP_USERDATA, row.textColour);
    if (row.kind == ControlKind::EditBox) setUpEditBox(control);
    return control;
}

}  // namespace realsuffix
