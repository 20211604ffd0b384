#pragma once

#include "win32/win32_item_list.h"

namespace quorvel::win32 {

struct ComboBoxMessages {
    static constexpr UINT kReset = CB_RESETCONTENT, kAdd = CB_ADDSTRING, kDelete = CB_DELETESTRING,
                          kCount = CB_GETCOUNT, kTextLength = CB_GETLBTEXTLEN, kText = CB_GETLBTEXT,
                          kSelection = CB_GETCURSEL, kSelect = CB_SETCURSEL;
};

// The system's combo box in its drop-down-list form: no typing, as many rows drop down
// as the layout gives.
class Win32DropDownList : public Win32ItemList<DropDownList, ComboBoxMessages> {
  public:
    Win32DropDownList(Win32Form& form, const ControlLayout& layout);
    void SetOnChange(Handler handler) override { onChange_ = std::move(handler); }
    bool DroppedDown() const override { return SendMessageW(Hwnd(), CB_GETDROPPEDSTATE, 0, 0); }
    void OnCommand(WORD code) override;

  private:
    Handler onChange_;
};

}  // namespace quorvel::win32
