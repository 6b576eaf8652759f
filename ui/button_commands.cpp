#include "ui/button_commands.h"

#include "platform/box_text.h"
#include "platform/clipboard.h"
#include "platform/file_rename.h"
#include "platform/heap_text.h"
#include "platform/message_box.h"
#include "texts/gbk_texts.h"

namespace realsuffix {
namespace {

void boxToClipboard(HWND box) {
    const HeapText text = readBoxText(box);
    setClipboardText(text.get());  // a clipboard held by another program is not reported
}

}  // namespace

// The help texts are whole literals, so their views end with a NUL.
void showKindList(const Boxes&) {
    showMessage(texts::kKindList.data(), MB_OK | MB_ICONINFORMATION, texts::kKindListCaption.data());
}

void showQuestions(const Boxes&) { showMessage(texts::kQuestions.data(), MB_OK); }

void clearBoxes(const Boxes& boxes) {
    writeBoxText(boxes.left, "");
    writeBoxText(boxes.right, "");
}

void leftBoxToClipboard(const Boxes& boxes) { boxToClipboard(boxes.left); }

void rightBoxToClipboard(const Boxes& boxes) { boxToClipboard(boxes.right); }

// The left box names the file, the right box holds the suffix; the new name
// is the one followed by the other, so the present suffix stays in front.
// Neither box changes: after a rename the left box still shows the old name.
void appendSuffixToName(const Boxes& boxes) {
    HeapText newName;
    {
        const HeapText name = readBoxText(boxes.left);
        const HeapText suffix = readBoxText(boxes.right);
        newName = joinTexts({textOf(name), textOf(suffix)});
    }
    const HeapText oldName = readBoxText(boxes.left);
    // An empty box names no file; don't let an empty path reach the rename.
    if (textOf(oldName).empty()) return;
    renameFile(oldName.get(), newName.get());  // a failed rename is not reported
}

}  // namespace realsuffix
