// PENDING: stand-ins for the button commands so the window links on its own
// branch. The real commands live in button_commands.cpp; delete this file
// when that arrives.
#include "ui/button_commands.h"

namespace realsuffix {

void showKindList(const Boxes&) {}
void showQuestions(const Boxes&) {}
void clearBoxes(const Boxes&) {}
void leftBoxToClipboard(const Boxes&) {}
void rightBoxToClipboard(const Boxes&) {}
void appendSuffixToName(const Boxes&) {}

}  // namespace realsuffix
