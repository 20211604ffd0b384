#pragma once

#include <string_view>

#include "base/text_compare.h"
#include "platform/controls.h"

namespace quorvel {

// The first entry of a list equal to `text` without regard to case, or -1.
inline int IndexOfNoCase(const ItemList& list, std::string_view text) {
    for (int i = 0; i < list.Count(); ++i)
        if (EqualNoCase(list.Item(i), text)) return i;
    return -1;
}

}  // namespace quorvel
