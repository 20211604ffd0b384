#pragma once

#include "lang/language_target.h"
#include "ui/layout_form.h"

namespace quorvel {

// The program's four windows as the target of a language; the main window also owns the
// tray menu and the parking menu.
class FormCaptions : public LanguageTarget {
  public:
    FormCaptions(LayoutForm& form1, LayoutForm& form2, LayoutForm& form3, LayoutForm& form4)
        : form1_(form1), form2_(form2), form3_(form3), form4_(form4) {}

    void SetCaption(CaptionOwner owner, std::string_view control, const std::string& text) override;

    // The window that holds the owner's captions.
    LayoutForm& FormOf(CaptionOwner owner) const;

  private:
    LayoutForm& form1_;
    LayoutForm& form2_;
    LayoutForm& form3_;
    LayoutForm& form4_;
};

}  // namespace quorvel
