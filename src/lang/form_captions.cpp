#include "lang/form_captions.h"

namespace quorvel {

void FormCaptions::SetCaption(CaptionOwner owner, std::string_view control,
                              const std::string& text) {
    // Every name of the language table is in the layouts (checked by the tests), so an
    // unknown one cannot occur and needs no report.
    FormOf(owner).SetCaption(control, text);
}

LayoutForm& FormCaptions::FormOf(CaptionOwner owner) const {
    switch (owner) {
        case CaptionOwner::kForm2:
            return form2_;
        case CaptionOwner::kForm3:
            return form3_;
        case CaptionOwner::kForm4:
            return form4_;
        case CaptionOwner::kForm1:
        case CaptionOwner::kMenu1:
        case CaptionOwner::kMenu2:
            break;
    }
    return form1_;
}

}  // namespace quorvel
