// Centring the one line of an edit box vertically: the box's client area is
// narrowed to one line's height in the middle of the box.
#pragma once

namespace realsuffix {

struct LineSpan {
    int top;
    int bottom;
};

// Returns the client area's top and bottom for a line `lineHeight` high,
// given the top and bottom that the default processing left.
LineSpan centreLine(int top, int bottom, int lineHeight);

}  // namespace realsuffix
