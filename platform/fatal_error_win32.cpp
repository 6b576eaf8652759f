#include <windows.h>
#include <ole2.h>

#include "platform/fatal_error.h"
#include "texts/gbk_texts.h"

namespace realsuffix {

void fatalError(std::string_view message) {
    // Built on the stack: the heap may be what failed.
    char text[512];
    formatFatalText(message, text, sizeof text);
    // The caption is a whole literal: its bytes end with a NUL.
    MessageBoxA(nullptr, text, texts::kFatalCaption.data(), MB_OK | MB_ICONERROR);
    OleUninitialize();
    ExitProcess(0xFFFFFFFFu);
}

}  // namespace realsuffix
