#include "lang/form_captions.h"

#include <algorithm>

namespace quorvel {

namespace {

bool IsDialog(CaptionOwner owner) {
    return owner == CaptionOwner::kForm2 || owner == CaptionOwner::kForm3 ||
           owner == CaptionOwner::kForm4;
}

}  // namespace

void FormCaptions::Attach(CaptionOwner owner, LayoutForm& form) {
    if (owner == CaptionOwner::kForm2) form2_ = &form;
    if (owner == CaptionOwner::kForm3) form3_ = &form;
    if (owner == CaptionOwner::kForm4) form4_ = &form;
    for (const Kept& kept : kept_)
        if (kept.owner == owner) form.SetCaption(kept.control, kept.text);
}

void FormCaptions::SetCaption(CaptionOwner owner, std::string_view control,
                              const std::string& text) {
    if (IsDialog(owner)) {
        auto same = [&](const Kept& kept) {
            return kept.owner == owner && kept.control == control;
        };
        if (auto it = std::find_if(kept_.begin(), kept_.end(), same); it != kept_.end())
            it->text = text;
        else
            kept_.push_back({owner, std::string(control), text});
    }
    // Every name of the language table is in the layouts (checked by the tests), so an
    // unknown one cannot occur and needs no report.
    if (LayoutForm* form = FormOf(owner)) form->SetCaption(control, text);
}

LayoutForm* FormCaptions::FormOf(CaptionOwner owner) const {
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
    return &form1_;
}

}  // namespace quorvel
