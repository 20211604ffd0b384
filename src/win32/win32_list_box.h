#pragma once

#include "win32/win32_item_list.h"

namespace quorvel::win32 {

struct ListBoxMessages {
    static constexpr UINT kReset = LB_RESETCONTENT, kAdd = LB_ADDSTRING, kDelete = LB_DELETESTRING,
                          kCount = LB_GETCOUNT, kTextLength = LB_GETTEXTLEN, kText = LB_GETTEXT,
                          kSelection = LB_GETCURSEL, kSelect = LB_SETCURSEL;
};

// The system's list box, sorted by the system when the layout says so.
class Win32ListBox : public Win32ItemList<ListBox, ListBoxMessages> {
  public:
    Win32ListBox(Win32Form& form, const ControlLayout& layout);
    void SetOnClick(Handler handler) override { onClick_ = std::move(handler); }
    void SetOnDoubleClick(Handler handler) override { onDoubleClick_ = std::move(handler); }
    void OnCommand(WORD code) override;

  private:
    Handler onClick_;
    Handler onDoubleClick_;
};

}  // namespace quorvel::win32
