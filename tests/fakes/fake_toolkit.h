#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fake_controls.h"
#include "fake_message_dialogs.h"
#include "platform/error_report.h"
#include "platform/toolkit.h"

namespace quorvel {

class FakeForm : public Form {
  public:
    FakeForm(FakeToolkit& toolkit, const FormLayout& layout);
    ~FakeForm() override;

    void Show() override;
    void Hide() override { visible_ = false; }
    bool Visible() const override { return visible_; }
    ModalResult ShowModal() override;
    void EndModal(ModalResult result) override;
    bool Modal() const override { return modal_; }
    void Close() override;
    Point Position() const override { return position_; }
    void SetPosition(Point position) override { position_ = position; }
    Size ClientSize() const override { return clientSize_; }
    void SetClientSize(Size size) override { clientSize_ = size; }
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetRegion(const std::vector<RowRun>& region) override { region_ = region; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void BringToFront() override { ++broughtToFront; }
    std::uintptr_t Handle() const override { return handle_; }
    std::intptr_t Send(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void SetOnShow(std::function<void()> handler) override { onShow_ = std::move(handler); }
    void SetOnClose(std::function<bool()> handler) override { onClose_ = std::move(handler); }
    void SetOnActivate(std::function<void()> handler) override { onActivate_ = std::move(handler); }
    void SetOnActivateApp(std::function<void(bool)> handler) override {
        onActivateApp_ = std::move(handler);
    }
    void SetOnMessage(MessageHandler handler) override { onMessage_ = std::move(handler); }
    void SetOnShortcut(std::function<bool(Shortcut)> handler) override {
        onShortcut_ = std::move(handler);
    }
    void SetOnScaleChanged(std::function<void(DisplayScale)> handler) override {
        onScaleChanged_ = std::move(handler);
    }

    // --- driving ---
    // What the user does while the next ShowModal runs; the modal run ends when the script
    // ends it, otherwise it is closed as by its close box after the script.
    void WhileNextModal(std::function<void()> script);
    // A key pressed in the window; true when the window took it.
    bool PressShortcut(Shortcut shortcut);
    // The close box (or a WM_CLOSE from outside).
    void PressCloseBox();
    void ActivateApp(bool active);
    void Activate();
    // Dragged onto a display of `scale`.
    void ChangeScale(DisplayScale scale);

    // --- inspecting ---
    const FormLayout& Layout() const { return layout_; }
    const std::vector<RowRun>& Region() const { return region_; }
    template <typename T>
    T& Get(std::string_view name) const {
        auto* control = dynamic_cast<T*>(Find(name));
        if (!control) throw std::logic_error("no such fake control: " + std::string(name));
        return *control;
    }
    FakeControlBase* Find(std::string_view name) const;
    const std::vector<FakeControlBase*>& Controls() const { return controls_; }

    struct ModalRun {
        Point position;
        Size clientSize;
        ModalResult result;
    };
    std::vector<ModalRun> modalRuns;  // every ShowModal, with where it was placed
    int broughtToFront = 0;
    bool closed = false;  // the main window closed (the message loop would end)

  private:
    friend class FakeControlBase;
    void Fire(const std::function<void()>& handler);

    FakeToolkit& toolkit_;
    const FormLayout& layout_;
    std::uintptr_t handle_;
    bool visible_ = false;
    bool modal_ = false;
    bool enabled_ = true;
    ModalResult result_ = ModalResult::kNone;
    Point position_;
    Size clientSize_;
    std::string caption_;
    std::vector<RowRun> region_;
    std::vector<FakeControlBase*> controls_;
    std::deque<std::function<void()>> modalScripts_;
    std::function<void()> onShow_;
    std::function<bool()> onClose_;
    std::function<void()> onActivate_;
    std::function<void(bool)> onActivateApp_;
    MessageHandler onMessage_;
    std::function<bool(Shortcut)> onShortcut_;
    std::function<void(DisplayScale)> onScaleChanged_;
};

class FakePopupMenu : public PopupMenu {
  public:
    FakePopupMenu(FakeToolkit& toolkit, FakeForm& owner, const MenuLayout& layout);
    ~FakePopupMenu() override;

    bool HasItem(std::string_view item) const override { return Find(item) != nullptr; }
    std::string Caption(std::string_view item) const override;
    void SetCaption(std::string_view item, const std::string& caption) override;
    bool Enabled(std::string_view item) const override;
    void SetEnabled(std::string_view item, bool enabled) override;
    int ImageIndex(std::string_view item) const override;
    void SetImageIndex(std::string_view item, int index) override;
    void SetOnClick(std::string_view item, std::function<void()> handler) override;
    void SetImages(const std::vector<Bitmap>& images) override { images_ = images; }
    void SetScale(DisplayScale scale) override { scale_ = scale; }
    void Popup(Point screenPosition) override;

    // The user picks an item (while the menu is up, or from a script); false when the item
    // is missing, a separator, a submenu or disabled.
    bool Choose(std::string_view item);
    // What the user does while the next Popup is open.
    void WhileNextPopup(std::function<void()> script);

    const MenuLayout& Layout() const { return layout_; }
    FakeForm& Owner() const { return owner_; }
    const std::vector<Bitmap>& Images() const { return images_; }
    DisplayScale Scale() const { return scale_; }
    std::vector<Point> popups;  // where the menu was shown

  private:
    struct Item {
        const MenuItemLayout* layout;
        std::string caption;
        bool enabled = true;
        int imageIndex = -1;
        std::function<void()> onClick;
    };
    Item* Find(std::string_view name);
    const Item* Find(std::string_view name) const;
    bool IsSubmenu(std::string_view name) const;

    FakeToolkit& toolkit_;
    FakeForm& owner_;
    const MenuLayout& layout_;
    std::vector<Item> items_;
    std::vector<Bitmap> images_;
    DisplayScale scale_;
    std::deque<std::function<void()>> popupScripts_;
};

class FakeTrayIcon : public TrayIcon {
  public:
    explicit FakeTrayIcon(FakeToolkit& toolkit);
    ~FakeTrayIcon() override;

    bool Active() const override { return active_; }
    void SetActive(bool active) override { active_ = active; }
    void SetImages(const std::vector<Bitmap>& images) override { images_ = images; }
    int ImageIndex() const override { return index_; }
    void SetImageIndex(int index) override { index_ = index; }
    void SetAnimationImages(std::function<std::vector<Bitmap>()> frames) override {
        animation_ = std::move(frames);
    }
    bool Animated() const override { return animated_; }
    void SetAnimated(bool animated) override { animated_ = animated; }
    std::string Hint() const override { return hint_; }
    void SetHint(const std::string& hint) override { hint_ = hint; }
    void ShowBalloon(const std::string& title, const std::string& text) override {
        if (active_) balloons.push_back(title + ": " + text);
    }
    void SetPopupMenu(PopupMenu* menu) override { menu_ = menu; }
    void SetOnClick(std::function<void()> handler) override { onClick_ = std::move(handler); }
    void SetOnDoubleClick(std::function<void()> handler) override {
        onDoubleClick_ = std::move(handler);
    }
    void SetOnTaskBarRestart(std::function<void()> handler) override {
        onTaskBarRestart_ = std::move(handler);
    }
    // Explorer restarted.
    void RestartTaskBar() {
        if (onTaskBarRestart_) onTaskBarRestart_();
    }

    // The user's mouse on the icon; nothing happens while it is inactive (not shown).
    bool Click();
    bool DoubleClick();
    bool RightClick(Point at);

    PopupMenu* Menu() const { return menu_; }
    const std::vector<Bitmap>& Images() const { return images_; }
    std::vector<std::string> balloons;  // "title: text", as shown
    std::vector<Bitmap> AnimationImages() const {
        return animation_ ? animation_() : std::vector<Bitmap>{};
    }

  private:
    FakeToolkit& toolkit_;
    bool active_ = false;
    bool animated_ = false;
    int index_ = -1;
    std::string hint_;
    std::vector<Bitmap> images_;
    std::function<std::vector<Bitmap>()> animation_;
    PopupMenu* menu_ = nullptr;
    std::function<void()> onClick_;
    std::function<void()> onDoubleClick_;
    std::function<void()> onTaskBarRestart_;
};

class FakeTimer : public Timer {
  public:
    FakeTimer(FakeToolkit& toolkit, int interval);
    ~FakeTimer() override;

    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override { interval_ = milliseconds; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void SetOnTick(std::function<void()> handler) override { onTick_ = std::move(handler); }

    // One tick, when the timer is enabled; false when it is not.
    bool Tick();

  private:
    FakeToolkit& toolkit_;
    int interval_;
    bool enabled_ = false;
    std::function<void()> onTick_;
};

// Makes fakes and keeps track of them, so a test finds them by layout name.
class FakeToolkit : public Toolkit {
  public:
    DisplayScale Scale() override { return scale; }
    std::unique_ptr<Form> CreateForm(const FormLayout& layout) override;
    std::unique_ptr<Picture> CreatePicture(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<GlyphButton> CreateGlyphButton(Form& form,
                                                   const ControlLayout& layout) override;
    std::unique_ptr<Label> CreateLabel(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<PushButton> CreatePushButton(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<CheckBox> CreateCheckBox(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<ListBox> CreateListBox(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<DropDownList> CreateDropDownList(Form& form,
                                                     const ControlLayout& layout) override;
    std::unique_ptr<Edit> CreateEdit(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<Memo> CreateMemo(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<HotKeyEdit> CreateHotKeyEdit(Form& form, const ControlLayout& layout) override;
    std::unique_ptr<PopupMenu> CreatePopupMenu(Form& owner, const MenuLayout& layout) override;
    std::unique_ptr<TrayIcon> CreateTrayIcon() override;
    std::unique_ptr<Timer> CreateTimer(int intervalMilliseconds) override;
    // Nine and twenty-four plain squares, each of its own colour.
    std::vector<Bitmap> ProgramImageList() override;
    std::vector<Bitmap> TrayAnimationFrames() override;
    MessageDialogs& Dialogs() override { return dialogs; }
    void SetOnIdle(std::function<void()> handler) override { onIdle_ = std::move(handler); }
    void SetApplicationTitle(const std::string& title) override { titles.push_back(title); }
    void BringApplicationToForeground() override { ++foregroundRequests; }
    void ProcessMessages() override { ++messagePumps; }
    int Run(Form& mainForm) override;

    // The program is idle (the real loop calls this whenever its queue is empty).
    void Idle();
    // Runs a handler in the error boundary, as the real toolkit calls every handler.
    void Guard(const std::function<void()>& handler);

    FakeForm& FormNamed(std::string_view layoutName) const;
    FakePopupMenu& GetMenu(std::string_view layoutName) const;
    const std::vector<FakeForm*>& Forms() const { return forms_; }
    const std::vector<FakeTrayIcon*>& TrayIcons() const { return trays_; }
    const std::vector<FakeTimer*>& Timers() const { return timers_; }

    FakeMessageDialogs dialogs;
    DisplayScale scale;                // the display the windows open on
    FakeForm* mainForm = nullptr;      // what Run was given
    std::vector<std::string> created;  // form and control names in creation order
    std::vector<std::string> titles;   // every application title, in order
    int foregroundRequests = 0;
    int messagePumps = 0;

  private:
    friend class FakeForm;
    friend class FakePopupMenu;
    friend class FakeTrayIcon;
    friend class FakeTimer;
    template <typename Fake>
    std::unique_ptr<Fake> MakeControl(Form& form, const ControlLayout& layout);

    std::function<void()> onIdle_;
    std::vector<FakeForm*> forms_;
    std::vector<FakePopupMenu*> menus_;
    std::vector<FakeTrayIcon*> trays_;
    std::vector<FakeTimer*> timers_;
    std::uintptr_t nextHandle_ = 0x1000;
};

}  // namespace quorvel
