#include "fake_toolkit.h"

#include <algorithm>
#include <stdexcept>

namespace quorvel {

// ---- FakeForm ----

FakeForm::FakeForm(FakeToolkit& toolkit, const FormLayout& layout)
    : toolkit_(toolkit),
      layout_(layout),
      handle_(toolkit.nextHandle_ += 0x10),
      clientSize_(layout.clientSize),
      caption_(layout.caption) {
    // The real toolkit centres on a 1024 x 768 screen in the tests' display.
    if (layout.centred)
        position_ = {(1024 - layout.clientSize.width) / 2, (768 - layout.clientSize.height) / 2};
    toolkit_.forms_.push_back(this);
}

FakeForm::~FakeForm() {
    std::erase(toolkit_.forms_, this);
}

void FakeForm::Fire(const std::function<void()>& handler) {
    if (handler) toolkit_.Guard(handler);
}

void FakeForm::Show() {
    if (visible_) return;
    visible_ = true;
    Fire(onShow_);
}

ModalResult FakeForm::ShowModal() {
    modal_ = true;
    result_ = ModalResult::kNone;
    const Point position = position_;
    const Size size = clientSize_;
    visible_ = true;
    Fire(onShow_);
    if (!modalScripts_.empty()) {
        auto script = std::move(modalScripts_.front());
        modalScripts_.pop_front();
        Fire(script);
    }
    if (result_ == ModalResult::kNone) Close();
    const ModalResult result = result_;
    visible_ = false;
    modal_ = false;
    modalRuns.push_back({position, size, result});
    return result;
}

void FakeForm::EndModal(ModalResult result) {
    if (modal_) result_ = result;
}

void FakeForm::Close() {
    if (onClose_ && !onClose_()) return;
    if (modal_) {
        if (result_ == ModalResult::kNone) result_ = ModalResult::kCancel;
        return;
    }
    visible_ = false;
    if (toolkit_.mainForm == this) closed = true;
}

std::intptr_t FakeForm::Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    std::intptr_t result = 0;
    if (onMessage_)
        toolkit_.Guard([&] {
            if (auto handled = onMessage_(message, wParam, lParam)) result = *handled;
        });
    return result;
}

void FakeForm::WhileNextModal(std::function<void()> script) {
    modalScripts_.push_back(std::move(script));
}

bool FakeForm::PressShortcut(Shortcut shortcut) {
    bool taken = false;
    if (onShortcut_) toolkit_.Guard([&] { taken = onShortcut_(shortcut); });
    return taken;
}

void FakeForm::PressCloseBox() {
    toolkit_.Guard([this] { Close(); });
}

void FakeForm::ActivateApp(bool active) {
    if (onActivateApp_) toolkit_.Guard([&] { onActivateApp_(active); });
}

void FakeForm::ChangeScale(DisplayScale scale) {
    if (onScaleChanged_) toolkit_.Guard([&] { onScaleChanged_(scale); });
}

void FakeForm::Activate() {
    Fire(onActivate_);
}

FakeControlBase* FakeForm::Find(std::string_view name) const {
    for (FakeControlBase* control : controls_)
        if (control->Layout().name == name) return control;
    return nullptr;
}

// ---- FakePopupMenu ----

FakePopupMenu::FakePopupMenu(FakeToolkit& toolkit, FakeForm& owner, const MenuLayout& layout)
    : toolkit_(toolkit), owner_(owner), layout_(layout) {
    for (const MenuItemLayout& item : layout.items)
        items_.push_back({&item, std::string(item.caption), true, item.imageIndex, {}});
    toolkit_.menus_.push_back(this);
}

FakePopupMenu::~FakePopupMenu() {
    std::erase(toolkit_.menus_, this);
}

FakePopupMenu::Item* FakePopupMenu::Find(std::string_view name) {
    for (Item& item : items_)
        if (item.layout->name == name) return &item;
    return nullptr;
}

const FakePopupMenu::Item* FakePopupMenu::Find(std::string_view name) const {
    return const_cast<FakePopupMenu*>(this)->Find(name);
}

bool FakePopupMenu::IsSubmenu(std::string_view name) const {
    return std::any_of(items_.begin(), items_.end(),
                       [&](const Item& item) { return item.layout->parent == name; });
}

std::string FakePopupMenu::Caption(std::string_view item) const {
    const Item* found = Find(item);
    return found ? found->caption : std::string();
}

void FakePopupMenu::SetCaption(std::string_view item, const std::string& caption) {
    if (Item* found = Find(item)) found->caption = caption;
}

bool FakePopupMenu::Enabled(std::string_view item) const {
    const Item* found = Find(item);
    return found && found->enabled;
}

void FakePopupMenu::SetEnabled(std::string_view item, bool enabled) {
    if (Item* found = Find(item)) found->enabled = enabled;
}

int FakePopupMenu::ImageIndex(std::string_view item) const {
    const Item* found = Find(item);
    return found ? found->imageIndex : -1;
}

void FakePopupMenu::SetImageIndex(std::string_view item, int index) {
    if (Item* found = Find(item)) found->imageIndex = index;
}

void FakePopupMenu::SetOnClick(std::string_view item, std::function<void()> handler) {
    if (Item* found = Find(item)) found->onClick = std::move(handler);
}

void FakePopupMenu::Popup(Point screenPosition) {
    popups.push_back(screenPosition);
    if (popupScripts_.empty()) return;
    auto script = std::move(popupScripts_.front());
    popupScripts_.pop_front();
    script();
}

bool FakePopupMenu::Choose(std::string_view name) {
    Item* item = Find(name);
    if (!item || item->layout->separator || IsSubmenu(name) || !item->enabled) return false;
    if (item->onClick) toolkit_.Guard(item->onClick);
    return true;
}

void FakePopupMenu::WhileNextPopup(std::function<void()> script) {
    popupScripts_.push_back(std::move(script));
}

// ---- FakeTrayIcon ----

FakeTrayIcon::FakeTrayIcon(FakeToolkit& toolkit) : toolkit_(toolkit) {
    toolkit_.trays_.push_back(this);
}

FakeTrayIcon::~FakeTrayIcon() {
    std::erase(toolkit_.trays_, this);
}

bool FakeTrayIcon::Click() {
    if (!active_) return false;
    if (onClick_) toolkit_.Guard(onClick_);
    return true;
}

bool FakeTrayIcon::DoubleClick() {
    if (!active_) return false;
    if (onDoubleClick_) toolkit_.Guard(onDoubleClick_);
    return true;
}

bool FakeTrayIcon::RightClick(Point at) {
    if (!active_) return false;
    if (menu_) toolkit_.Guard([&] { menu_->Popup(at); });
    return true;
}

// ---- FakeTimer ----

FakeTimer::FakeTimer(FakeToolkit& toolkit, int interval) : toolkit_(toolkit), interval_(interval) {
    toolkit_.timers_.push_back(this);
}

FakeTimer::~FakeTimer() {
    std::erase(toolkit_.timers_, this);
}

bool FakeTimer::Tick() {
    if (!enabled_) return false;
    if (onTick_) toolkit_.Guard(onTick_);
    return true;
}

// ---- FakeToolkit ----

std::unique_ptr<Form> FakeToolkit::CreateForm(const FormLayout& layout) {
    created.emplace_back(layout.name);
    return std::make_unique<FakeForm>(*this, layout);
}

template <typename Fake>
std::unique_ptr<Fake> FakeToolkit::MakeControl(Form& form, const ControlLayout& layout) {
    created.emplace_back(layout.name);
    return std::make_unique<Fake>(*this, dynamic_cast<FakeForm&>(form), layout);
}

std::unique_ptr<Picture> FakeToolkit::CreatePicture(Form& form, const ControlLayout& layout) {
    return MakeControl<FakePicture>(form, layout);
}
std::unique_ptr<GlyphButton> FakeToolkit::CreateGlyphButton(Form& form,
                                                            const ControlLayout& layout) {
    return MakeControl<FakeGlyphButton>(form, layout);
}
std::unique_ptr<Label> FakeToolkit::CreateLabel(Form& form, const ControlLayout& layout) {
    return MakeControl<FakeLabel>(form, layout);
}
std::unique_ptr<PushButton> FakeToolkit::CreatePushButton(Form& form, const ControlLayout& layout) {
    return MakeControl<FakePushButton>(form, layout);
}
std::unique_ptr<CheckBox> FakeToolkit::CreateCheckBox(Form& form, const ControlLayout& layout) {
    return MakeControl<FakeCheckBox>(form, layout);
}
std::unique_ptr<ListBox> FakeToolkit::CreateListBox(Form& form, const ControlLayout& layout) {
    return MakeControl<FakeListBox>(form, layout);
}
std::unique_ptr<DropDownList> FakeToolkit::CreateDropDownList(Form& form,
                                                              const ControlLayout& layout) {
    return MakeControl<FakeDropDownList>(form, layout);
}
std::unique_ptr<Edit> FakeToolkit::CreateEdit(Form& form, const ControlLayout& layout) {
    return MakeControl<FakeEdit>(form, layout);
}
std::unique_ptr<Memo> FakeToolkit::CreateMemo(Form& form, const ControlLayout& layout) {
    return MakeControl<FakeMemo>(form, layout);
}
std::unique_ptr<HotKeyEdit> FakeToolkit::CreateHotKeyEdit(Form& form, const ControlLayout& layout) {
    return MakeControl<FakeHotKeyEdit>(form, layout);
}

std::unique_ptr<PopupMenu> FakeToolkit::CreatePopupMenu(Form& owner, const MenuLayout& layout) {
    created.emplace_back(layout.name);
    return std::make_unique<FakePopupMenu>(*this, dynamic_cast<FakeForm&>(owner), layout);
}

std::unique_ptr<TrayIcon> FakeToolkit::CreateTrayIcon() {
    return std::make_unique<FakeTrayIcon>(*this);
}

std::unique_ptr<Timer> FakeToolkit::CreateTimer(int intervalMilliseconds) {
    return std::make_unique<FakeTimer>(*this, intervalMilliseconds);
}

namespace {

std::vector<Bitmap> Squares(int count, std::uint8_t blue) {
    std::vector<Bitmap> squares;
    for (int i = 0; i < count; ++i)
        squares.emplace_back(16, 16, Rgb(std::uint8_t(10 * i), 100, blue));
    return squares;
}

}  // namespace

std::vector<Bitmap> FakeToolkit::ProgramImageList() {
    return Squares(9, 50);
}

std::vector<Bitmap> FakeToolkit::TrayAnimationFrames() {
    return Squares(24, 200);
}

int FakeToolkit::Run(Form& main) {
    mainForm = &dynamic_cast<FakeForm&>(main);
    main.Show();
    Idle();
    return 0;
}

void FakeToolkit::Idle() {
    if (onIdle_) Guard(onIdle_);
}

void FakeToolkit::Guard(const std::function<void()>& handler) {
    RunReportingErrors(dialogs, handler);
}

FakeForm& FakeToolkit::FormNamed(std::string_view layoutName) const {
    for (FakeForm* form : forms_)
        if (form->Layout().name == layoutName) return *form;
    throw std::logic_error("no such fake form: " + std::string(layoutName));
}

FakePopupMenu& FakeToolkit::GetMenu(std::string_view layoutName) const {
    for (FakePopupMenu* menu : menus_)
        if (menu->Layout().name == layoutName) return *menu;
    throw std::logic_error("no such fake menu: " + std::string(layoutName));
}

}  // namespace quorvel
