#pragma once

#include <string>

#include "win32/text_conversion.h"
#include "win32/win32_control.h"

namespace quorvel::win32 {

// The entry operations list boxes and combo boxes share, over their own messages.
template <typename Interface, typename Messages>
class Win32ItemList : public Win32Control<Interface> {
  public:
    using Win32Control<Interface>::Win32Control;

    void Clear() override { Send(Messages::kReset, 0, 0); }
    int Add(const std::string& item) override {
        const std::wstring text = Widen(item);
        return int(Send(Messages::kAdd, 0, LPARAM(text.c_str())));
    }
    // Without this the system redraws the list and its scroll bar after every entry.
    void BeginUpdate() override { Send(WM_SETREDRAW, FALSE, 0); }
    void EndUpdate() override {
        Send(WM_SETREDRAW, TRUE, 0);
        InvalidateRect(this->Hwnd(), nullptr, TRUE);
    }
    void Delete(int index) override { Send(Messages::kDelete, WPARAM(index), 0); }
    int Count() const override { return int(Send(Messages::kCount, 0, 0)); }
    std::string Item(int index) const override {
        const LRESULT length = Send(Messages::kTextLength, WPARAM(index), 0);
        if (index < 0 || length < 0) return {};
        std::wstring text(std::size_t(length) + 1, L'\0');
        text.resize(std::size_t(Send(Messages::kText, WPARAM(index), LPARAM(text.data()))));
        return Narrow(text);
    }
    int ItemIndex() const override { return int(Send(Messages::kSelection, 0, 0)); }
    void SetItemIndex(int index) override {
        Send(Messages::kSelect, WPARAM(index >= 0 && index < Count() ? index : -1), 0);
    }

  protected:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return SendMessageW(this->Hwnd(), message, wParam, lParam);
    }
};

}  // namespace quorvel::win32
