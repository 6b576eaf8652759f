// The window as the system sees it: caption, size and place, style, every
// control's class, rectangle, text, style and font, and the label colours.
#include "tests/ui/window_fixture.h"

#include "texts/gbk_texts.h"

namespace realsuffix::testing {
namespace {

using enum ControlName;

constexpr DWORD kEdit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON |
                          BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD kLabel = WS_CHILD | WS_VISIBLE;

struct ControlExpectation {
    ControlName name;
    const char* className;
    RECT rect;  // left, top, right, bottom in the window's client area
    std::string_view text;
    DWORD style;
    DWORD exStyle;
};

const ControlExpectation kControls[] = {
    {Label1, "RealSuffixLabel", {8, 6, 112, 21}, texts::kLabel1, kLabel, 0},
    {EditBox1, "Edit", {0, 26, 248, 58}, "", kEdit, WS_EX_CLIENTEDGE},
    {Label2, "RealSuffixLabel", {272, 2, 312, 18}, texts::kLabel2, kLabel, 0},
    {EditBox2, "Edit", {272, 24, 408, 56}, "", kEdit, WS_EX_CLIENTEDGE},
    {Button1, "Button", {0, 64, 64, 96}, texts::kButton1, kButton, 0},
    {Button2, "Button", {64, 64, 128, 96}, texts::kButton2, kButton, 0},
    {Button3, "Button", {128, 64, 192, 96}, texts::kButton3, kButton, 0},
    {Button4, "Button", {192, 64, 256, 96}, texts::kButton4, kButton, 0},
    {Button5, "Button", {256, 64, 320, 96}, texts::kButton5, kButton, 0},
    {Button6, "Button", {320, 64, 384, 96}, texts::kButton6, kButton, 0},
};

using MainWindowTest = SharedWindowTest;

TEST_F(MainWindowTest, CaptionSizePlaceAndStyle) {
    HWND window = this->window().handle();
    EXPECT_EQ(windowText(window), texts::kWindowCaption);

    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 418) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 127) / 2);
    EXPECT_EQ(outer.right - outer.left, 418);
    EXPECT_EQ(outer.bottom - outer.top, 127);

    const DWORD style = GetWindowLongA(window, GWL_STYLE);
    const DWORD wanted = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_POPUP | WS_CHILD), 0u);
    // The system adds the window edge to every captioned window; nothing else.
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
    EXPECT_EQ(GetParent(window), nullptr);
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
}

TEST_F(MainWindowTest, BigAndSmallIconsFromTheResource) {
    struct Row {
        WPARAM which;
        LONG size;
    };
    for (const Row row : {Row{ICON_BIG, 32}, Row{ICON_SMALL, 16}}) {
        HICON icon = reinterpret_cast<HICON>(SendMessageA(window().handle(), WM_GETICON, row.which, 0));
        ASSERT_NE(icon, nullptr) << row.size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, row.size);
        EXPECT_EQ(bitmap.bmHeight, row.size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
}

TEST_F(MainWindowTest, EveryControlAsLaidOut) {
    HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
    for (const ControlExpectation& row : kControls) {
        const int at = static_cast<int>(row.name);
        HWND control = window().control(row.name);
        ASSERT_NE(control, nullptr) << at;
        char className[64] = "";
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, row.className) << at;
        const RECT rect = rectInParent(control);
        EXPECT_EQ(rect.left, row.rect.left) << at;
        EXPECT_EQ(rect.top, row.rect.top) << at;
        EXPECT_EQ(rect.right, row.rect.right) << at;
        EXPECT_EQ(rect.bottom, row.rect.bottom) << at;
        EXPECT_EQ(windowText(control), row.text) << at;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)), row.style) << at;
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)), row.exStyle) << at;
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), guiFont) << at;
    }
}

TEST_F(MainWindowTest, ButtonsRunTheCommandsOfTheLayout) {
    struct Row {
        ControlName name;
        ButtonCommand command;
    };
    const Row rows[] = {
        {Button1, showKindList},       {Button2, showQuestions},       {Button3, clearBoxes},
        {Button4, leftBoxToClipboard}, {Button5, rightBoxToClipboard}, {Button6, appendSuffixToName},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(loadLayout()[static_cast<std::size_t>(row.name)].command, row.command);
    }
}

TEST_F(MainWindowTest, EditBoxesTakeAnyLengthAndCentreTheirLine) {
    for (ControlName name : {EditBox1, EditBox2}) {
        HWND box = window().control(name);
        EXPECT_GE(SendMessageA(box, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE) << static_cast<int>(name);

        // One line high: the height of "W" in the box's font.
        HDC dc = GetDC(box);
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0)));
        SIZE w{};
        GetTextExtentPoint32A(dc, "W", 1, &w);
        SelectObject(dc, old);
        ReleaseDC(box, dc);

        RECT client;
        GetClientRect(box, &client);
        EXPECT_EQ(client.bottom, w.cy);
        // In the middle of what the sunken edge leaves of the 32-pixel box.
        POINT origin{0, 0};
        ClientToScreen(box, &origin);
        RECT outer;
        GetWindowRect(box, &outer);
        const int edge = GetSystemMetrics(SM_CYEDGE);
        EXPECT_EQ(origin.y - outer.top, edge + (32 - 2 * edge - w.cy) / 2);
    }
}

// Finds whether the label shows a pixel of `colour` on the screen.
bool labelShows(HWND label, COLORREF colour) {
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(label);
    RECT area;
    GetClientRect(label, &area);
    bool found = false;
    for (int y = 0; y < area.bottom && !found; ++y) {
        for (int x = 0; x < area.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
    }
    ReleaseDC(label, dc);
    return found;
}

TEST_F(MainWindowTest, LabelsPaintTheirTextInTheirColourOnButtonFace) {
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF red = RGB(255, 0, 0);
    EXPECT_TRUE(labelShows(control(Label1), black));
    EXPECT_FALSE(labelShows(control(Label1), red));
    EXPECT_TRUE(labelShows(control(Label2), red));
    EXPECT_FALSE(labelShows(control(Label2), black));
    // The corner of a label is background, not text.
    HDC dc = GetDC(control(Label2));
    EXPECT_EQ(GetPixel(dc, 39, 0), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(control(Label2), dc);
}

TEST_F(MainWindowTest, FocusStartsInTheLeftBoxAndTheBoxTakesDrops) {
    EXPECT_EQ(initialFocus_, control(EditBox1));
    EXPECT_EQ(GetActiveWindow(), window().handle());
    // Registered already: a second registration is refused.
    EXPECT_EQ(RegisterDragDrop(control(EditBox1), window().dropTarget()),
              DRAGDROP_E_ALREADYREGISTERED);
}

}  // namespace
}  // namespace realsuffix::testing
