#include "platform/message_box.h"

#include "texts/gbk_texts.h"

namespace realsuffix {

const char* messageBoxCaption(const char* caption) {
    // The view is a whole literal, so its bytes end with a NUL.
    return caption != nullptr ? caption : texts::kDefaultCaption.data();
}

}  // namespace realsuffix
