#include "ui/layout.h"

#include <array>

#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

using enum ControlName;
using enum ControlKind;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

constexpr std::array<ControlRow, kControlCount> kLayout{{
    {Label1, Label, 8, 6, 104, 15, texts::kLabel1, false, nullptr, kBlack},
    {EditBox1, EditBox, 0, 26, 248, 32, "", true, nullptr, 0},
    {Label2, Label, 272, 2, 40, 16, texts::kLabel2, false, nullptr, kRed},
    {EditBox2, EditBox, 272, 24, 136, 32, "", true, nullptr, 0},
    {Button1, Button, 0, 64, 64, 32, texts::kButton1, true, showKindList, 0},
    {Button2, Button, 64, 64, 64, 32, texts::kButton2, true, showQuestions, 0},
    {Button3, Button, 128, 64, 64, 32, texts::kButton3, true, clearBoxes, 0},
    {Button4, Button, 192, 64, 64, 32, texts::kButton4, true, leftBoxToClipboard, 0},
    {Button5, Button, 256, 64, 64, 32, texts::kButton5, true, rightBoxToClipboard, 0},
    {Button6, Button, 320, 64, 64, 32, texts::kButton6, true, appendSuffixToName, 0},
}};

// Each control appears once, at the place of its name, so that the window can
// find a control by its name; only buttons run commands, and every one does.
consteval bool layoutIsWellFormed() {
    for (std::size_t i = 0; i < kLayout.size(); ++i) {
        const ControlRow& row = kLayout[i];
        if (static_cast<std::size_t>(row.name) != i) return false;
        if (row.width <= 0 || row.height <= 0) return false;
        if ((row.kind == Button) != (row.command != nullptr)) return false;
    }
    return true;
}
static_assert(layoutIsWellFormed());

}  // namespace

std::span<const ControlRow> loadLayout() { return kLayout; }

}  // namespace realsuffix
