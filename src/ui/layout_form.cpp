#include "ui/layout_form.h"

#include <algorithm>

namespace quorvel {

std::vector<const ControlLayout*> CreationOrder(const FormLayout& layout) {
    std::vector<const ControlLayout*> order;
    for (const ControlLayout& control : layout.controls) order.push_back(&control);
    auto rank = [](const ControlLayout* control) {
        if (control->kind == ControlKind::kPicture) return 2;
        return control->tabOrder >= 0 ? 0 : 1;
    };
    std::stable_sort(order.begin(), order.end(), [&](const auto* a, const auto* b) {
        if (rank(a) != rank(b)) return rank(a) < rank(b);
        return rank(a) == 0 && a->tabOrder < b->tabOrder;
    });
    return order;
}

FormLayout ScaledLayout(const FormLayout& design, DisplayScale scale,
                        std::vector<ControlLayout>& controls) {
    auto scaledFont = [&](FontSpec font) {
        font.height = scale.FontHeight(font.height);
        return font;
    };
    // Element by element: the windows refer to these entries, which stay where they are
    // when the layout is scaled again.
    controls.resize(design.controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        ControlLayout& control = controls[i];
        control = design.controls[i];
        control.bounds = scale.Of(control.bounds);
        control.font = scaledFont(control.font);
    }
    FormLayout scaled = design;
    scaled.clientSize = scale.Of(design.clientSize);
    scaled.font = scaledFont(design.font);
    scaled.controls = controls;
    return scaled;
}

LayoutForm::LayoutForm(Toolkit& toolkit, const FormLayout& layout)
    : toolkit_(toolkit),
      design_(layout),
      scale_(toolkit.Scale()),
      layout_(ScaledLayout(layout, scale_, scaledControls_)),
      window_(toolkit.CreateForm(layout_)) {
    for (const ControlLayout* control : CreationOrder(layout_)) CreateControl(*control);
}

LayoutForm::~LayoutForm() = default;

void LayoutForm::CreateControl(const ControlLayout& layout) {
    Form& form = *window_;
    std::unique_ptr<Control> control;
    switch (layout.kind) {
        case ControlKind::kPicture: {
            auto picture = toolkit_.CreatePicture(form, layout);
            picture->SetImage(
                Bitmap(layout.bounds.width, layout.bounds.height, kPlainPictureColor));
            control = std::move(picture);
            break;
        }
        case ControlKind::kGlyphButton: {
            auto button = toolkit_.CreateGlyphButton(form, layout);
            button->SetScale(scale_);
            control = std::move(button);
            break;
        }
        case ControlKind::kLabel:
            control = toolkit_.CreateLabel(form, layout);
            break;
        case ControlKind::kPushButton:
            control = toolkit_.CreatePushButton(form, layout);
            break;
        case ControlKind::kCheckBox:
            control = toolkit_.CreateCheckBox(form, layout);
            break;
        case ControlKind::kListBox:
            control = toolkit_.CreateListBox(form, layout);
            break;
        case ControlKind::kDropDownList:
            control = toolkit_.CreateDropDownList(form, layout);
            break;
        case ControlKind::kEdit:
            control = toolkit_.CreateEdit(form, layout);
            break;
        case ControlKind::kMemo:
            control = toolkit_.CreateMemo(form, layout);
            break;
        case ControlKind::kHotKeyEdit:
            control = toolkit_.CreateHotKeyEdit(form, layout);
            break;
    }
    controls_.push_back({&layout, std::move(control)});
}

void LayoutForm::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    // The window and its controls keep referring to layout_ and its entries, which take
    // the new figures in place.
    layout_ = ScaledLayout(design_, scale_, scaledControls_);
    for (const NamedControl& named : controls_) {
        LayoutRect bounds = named.layout->bounds;
        if (named.layout->kind == ControlKind::kPicture && named.layout->autoSize) {
            // Its size is that of the picture it is given next.
            const LayoutRect now = named.control->Bounds();
            bounds.width = now.width;
            bounds.height = now.height;
        }
        named.control->SetBounds(bounds);
        named.control->SetFont(named.layout->font);
        if (auto* button = dynamic_cast<GlyphButton*>(named.control.get()))
            button->SetScale(scale_);
    }
    for (PopupMenu* menu : menus_) menu->SetScale(scale_);
}

void LayoutForm::AddMenu(PopupMenu& menu) {
    menus_.push_back(&menu);
    menu.SetScale(scale_);
}

Control* LayoutForm::FindControl(std::string_view name) const {
    for (const NamedControl& named : controls_)
        if (named.layout->name == name) return named.control.get();
    return nullptr;
}

bool LayoutForm::SetCaption(std::string_view name, const std::string& text) {
    if (Control* control = FindControl(name)) {
        control->SetText(text);
        return true;
    }
    for (PopupMenu* menu : menus_) {
        if (menu->HasItem(name)) {
            menu->SetCaption(name, text);
            return true;
        }
    }
    return false;
}

ModalResult LayoutForm::ShowModalOver(const LayoutForm& owner) {
    // Moved and sized only when it must be: each is a round trip to the display under Wine.
    const Point at = owner.Window().Position();
    if (window_->Position() != at) window_->SetPosition(at);
    const Size size = owner.Window().ClientSize();
    if (window_->ClientSize() != size) window_->SetClientSize(size);
    if (beforeShowModal_) beforeShowModal_();
    return window_->ShowModal();
}

}  // namespace quorvel
