#include "fake_controls.h"

#include <algorithm>
#include <cctype>

#include "fake_toolkit.h"

namespace quorvel {

FakeControlBase::FakeControlBase(FakeToolkit& toolkit, FakeForm& form, const ControlLayout& layout)
    : toolkit_(toolkit), form_(form), layout_(layout), font_(layout.font) {
    form_.controls_.push_back(this);
}

FakeControlBase::~FakeControlBase() {
    std::erase(form_.controls_, this);
}

void FakeControlBase::Fire(const std::function<void()>& handler) {
    if (handler) toolkit_.Guard(handler);
}

namespace {

// The system's sorted lists compare without regard to case.
bool LessWithoutCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

}  // namespace

template <typename Interface>
int FakeItemList<Interface>::Add(const std::string& item) {
    auto at = this->Layout().sorted
                  ? std::upper_bound(items_.begin(), items_.end(), item, LessWithoutCase)
                  : items_.end();
    const int index = int(at - items_.begin());
    items_.insert(at, item);
    if (index_ >= index) ++index_;
    return index;
}

template <typename Interface>
void FakeItemList<Interface>::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
    if (index_ == index)
        index_ = -1;
    else if (index_ > index)
        --index_;
}

template class FakeItemList<ListBox>;
template class FakeItemList<DropDownList>;

bool FakeListBox::Pick(int index) {
    if (!Usable() || index < 0 || index >= Count()) return false;
    index_ = index;
    Fire(onClick_);
    return true;
}

bool FakeListBox::DoubleClick() {
    if (!Usable()) return false;
    Fire(onDoubleClick_);
    return true;
}

bool FakeDropDownList::Pick(int index) {
    if (!Usable() || index < 0 || index >= Count()) return false;
    index_ = index;
    Fire(onChange_);
    return true;
}

bool FakeHotKeyEdit::Enter(Shortcut value) {
    if (!Usable()) return false;
    value_ = value;
    Fire(onChange_);
    return true;
}

void FakeCheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (onClick_) onClick_();
}

bool FakeCheckBox::Toggle() {
    if (!Usable()) return false;
    toolkit_.Guard([this] { SetChecked(!checked_); });
    return true;
}

void FakePicture::SetImage(const Bitmap& image) {
    image_ = image;
    if (layout_.autoSize) {
        bounds_.width = image.Width();
        bounds_.height = image.Height();
    }
}

void FakePicture::MouseDown(MouseButton button, Point at) {
    Fire([&] {
        if (onDown_) onDown_(button, at);
    });
}

void FakePicture::MouseMove(Point at) {
    Fire([&] {
        if (onMove_) onMove_(at);
    });
}

void FakePicture::MouseUp(MouseButton button, Point at) {
    Fire([&] {
        if (onUp_) onUp_(button, at);
    });
}

}  // namespace quorvel
