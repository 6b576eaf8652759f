#include "ui/logic/centred_line.h"

namespace realsuffix {

LineSpan centreLine(int top, int bottom, int lineHeight) {
    // A box lower than one line keeps the area it has: narrowing it would
    // push the client area outside the box.
    if (lineHeight <= 0 || lineHeight >= bottom - top) return {top, bottom};
    const int newTop = top + (bottom - top - lineHeight) / 2;
    return {newTop, newTop + lineHeight};
}

}  // namespace realsuffix
