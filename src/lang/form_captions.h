#pragma once

#include <string>
#include <vector>

#include "lang/language_target.h"
#include "ui/layout_form.h"

namespace quorvel {

// The program's four windows as the target of a language; the main window also owns the
// tray menu and the parking menu. The dialogs are made when first opened: the captions
// set before then are kept and given to a dialog as it is attached, the last one set for
// each control, so it comes up as if it had been there all along.
class FormCaptions : public LanguageTarget {
  public:
    explicit FormCaptions(LayoutForm& form1) : form1_(form1) {}

    // The window of kForm2, kForm3 or kForm4, just made.
    void Attach(CaptionOwner owner, LayoutForm& form);

    void SetCaption(CaptionOwner owner, std::string_view control, const std::string& text) override;

    // The window that holds the owner's captions; null for a dialog not yet made.
    LayoutForm* FormOf(CaptionOwner owner) const;

  private:
    struct Kept {
        CaptionOwner owner;
        std::string control;
        std::string text;
    };

    LayoutForm& form1_;
    LayoutForm* form2_ = nullptr;
    LayoutForm* form3_ = nullptr;
    LayoutForm* form4_ = nullptr;
    std::vector<Kept> kept_;  // the dialogs' captions, the last of each control
};

}  // namespace quorvel
