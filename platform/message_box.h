// Message boxes of the program: no owner window, task-modal, and a default
// caption when none is given.
#pragma once

namespace realsuffix {

// MessageBoxA's style bits that decide which windows a box disables.
inline constexpr unsigned kSystemModalStyle = 0x1000;  // MB_SYSTEMMODAL
inline constexpr unsigned kTaskModalStyle = 0x2000;    // MB_TASKMODAL

// The style word that reaches MessageBoxA: `style` made task-modal, so that
// a box without an owner still disables the thread's windows while it is
// open, unless it asks to be system-modal.
constexpr unsigned messageBoxStyle(unsigned style) {
    return (style & kSystemModalStyle) != 0 ? style : style | kTaskModalStyle;
}

// The caption that reaches MessageBoxA: `caption`, or the default one when
// none is given. Never null; NUL-terminated.
const char* messageBoxCaption(const char* caption);

// Shows `text` in a message box without an owner and returns the id of the
// button that closed it, once it is closed. `text` and `caption` are ANSI
// and NUL-terminated.
int showMessage(const char* text, unsigned style, const char* caption = nullptr);

// A seam for tests: a sink receives what would reach MessageBoxA (text,
// caption and style word) and its return value stands for the button id;
// no box opens. Null restores the real box. Returns the previous sink.
using MessageBoxSink = int (*)(const char* text, const char* caption, unsigned style);
MessageBoxSink setMessageBoxSinkForTesting(MessageBoxSink sink);

}  // namespace realsuffix
