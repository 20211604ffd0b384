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

// The options dialog's drop-down list of languages ("Box").
class LanguageList {
  public:
    virtual ~LanguageList() = default;
    virtual void Clear() = 0;
    virtual void Add(const std::string& text) = 0;
    virtual int Count() const = 0;
    virtual std::string Item(int index) const = 0;
    // -1 selects nothing.
    virtual void Select(int index) = 0;
    virtual int Selected() const = 0;
    // The selection stays on its entry when an entry before it goes; deleting the selected
    // entry leaves nothing selected.
    virtual void Delete(int index) = 0;
};

}  // namespace quorvel
