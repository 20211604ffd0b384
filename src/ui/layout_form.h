#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/toolkit.h"

namespace quorvel {

// The colour of a window's picture until a skin is loaded into it.
constexpr Color kPlainPictureColor = Rgb(212, 208, 200);

// A window of the program built from its layout: it creates the window and every control
// of the layout through the toolkit, and finds controls (and the items of its menus) by
// their layout names. The four windows derive from it.
class LayoutForm {
  public:
    LayoutForm(Toolkit& toolkit, const FormLayout& layout);
    virtual ~LayoutForm();
    LayoutForm(const LayoutForm&) = delete;
    LayoutForm& operator=(const LayoutForm&) = delete;

    Form& Window() const { return *window_; }
    // The layout as designed (at 96 DPI) and as built on this display.
    const FormLayout& DesignLayout() const { return design_; }
    const FormLayout& Layout() const { return layout_; }
    DisplayScale Scale() const { return scale_; }
    // Lays the window's controls out again at `scale`: bounds and fonts from the design by
    // the same rule as when they were made. The window's own size is its owner's to set.
    void SetScale(DisplayScale scale);

    Control* FindControl(std::string_view name) const;
    template <typename T>
    T* FindControlAs(std::string_view name) const {
        return dynamic_cast<T*>(FindControl(name));
    }

    // Sets the caption of a control or menu item by its layout name (the language files
    // address them so); false when the window has no such name.
    bool SetCaption(std::string_view name, const std::string& text);

    // Places the window exactly over `owner` (its position and client size), then shows
    // it modally; returns how it was ended.
    ModalResult ShowModalOver(const LayoutForm& owner);
    // Runs in ShowModalOver once the window is placed, before it is shown (the window
    // takes its picture and shape there).
    void SetBeforeShowModal(std::function<void()> handler) {
        beforeShowModal_ = std::move(handler);
    }

  protected:
    // The control of this name and kind; a layout without it is a programming error.
    template <typename T>
    T* Bind(std::string_view name) const {
        if (T* control = FindControlAs<T>(name)) return control;
        throw std::logic_error("layout has no control " + std::string(name));
    }
    // Menus whose items SetCaption reaches; they take the window's scale, now and as it
    // changes.
    void AddMenu(PopupMenu& menu);

    Toolkit& toolkit_;

  private:
    void CreateControl(const ControlLayout& layout);

    const FormLayout& design_;
    DisplayScale scale_;
    // The scaled layout the toolkit's windows keep referring to: it outlives them.
    std::vector<ControlLayout> scaledControls_;
    FormLayout layout_;
    std::unique_ptr<Form> window_;
    struct NamedControl {
        const ControlLayout* layout;  // an entry of scaledControls_
        std::unique_ptr<Control> control;
    };
    std::vector<NamedControl> controls_;
    std::vector<PopupMenu*> menus_;
    std::function<void()> beforeShowModal_;
};

// The layout's window and control figures (client size, bounds, font heights) on a display
// of `scale`; the controls go to `controls`, which the result refers to.
FormLayout ScaledLayout(const FormLayout& design, DisplayScale scale,
                        std::vector<ControlLayout>& controls);

// The order in which a layout's controls are created: tab stops in their Tab order, then
// the other controls as listed, pictures last (so they lie beneath everything else).
std::vector<const ControlLayout*> CreationOrder(const FormLayout& layout);

}  // namespace quorvel
