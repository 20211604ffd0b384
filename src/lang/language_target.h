#pragma once

#include <string>
#include <string_view>

#include "lang/language_table.h"

namespace quorvel {

// What a language changes in the windows: the captions of controls and menu items, named
// by their owner and layout name. The windows implement it; texts drawn on the windows
// are not pushed, they are read from the text set at the moment they are drawn.
class LanguageTarget {
  public:
    virtual ~LanguageTarget() = default;
    virtual void SetCaption(CaptionOwner owner, std::string_view control,
                            const std::string& text) = 0;
};

}  // namespace quorvel
