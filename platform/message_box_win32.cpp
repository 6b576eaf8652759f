#include <windows.h>

#include "platform/message_box.h"

namespace realsuffix {
namespace {

MessageBoxSink currentSink = nullptr;

}  // namespace

int showMessage(const char* text, unsigned style, const char* caption) {
    const char* const boxCaption = messageBoxCaption(caption);
    const unsigned boxStyle = messageBoxStyle(style);
    if (currentSink != nullptr) return currentSink(text, boxCaption, boxStyle);
    return MessageBoxA(nullptr, text, boxCaption, boxStyle);
}

MessageBoxSink setMessageBoxSinkForTesting(MessageBoxSink sink) {
    const MessageBoxSink previous = currentSink;
    currentSink = sink;
    return previous;
}

}  // namespace realsuffix
