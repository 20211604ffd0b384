#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/parking_system.h"

namespace quorvel::fakes {

// A desktop of other programs' windows and a notification area that records its icons.
class FakeParkingSystem : public ParkingSystem {
  public:
    struct Window {
        std::string caption;
        std::map<IconSource, std::uintptr_t> icons;
        bool visible = true;
    };
    struct ShownIcon {
        std::uintptr_t icon;
        std::string tip;
        bool operator==(const ShownIcon&) const = default;
    };

    std::map<std::uintptr_t, Window> windows;
    std::map<int, ShownIcon> icons;  // the notification area, by slot
    std::vector<std::string> calls;  // "show 5 restore", "close 5", "foreground 5", "add 50" ...
    std::uintptr_t taskBar = 0x7A5;
    std::uintptr_t defaultIcon = 0xD1;
    bool refuseIcons = false;
    Point cursor{640, 700};

    std::uintptr_t TaskBarWindow() override { return taskBar; }
    bool WindowExists(std::uintptr_t window) override { return windows.count(window) > 0; }
    int CaptionLength(std::uintptr_t window) override {
        return windows.count(window) ? int(windows[window].caption.size()) : 0;
    }
    std::string Caption(std::uintptr_t window, int length) override {
        // The system fills a buffer of `length` with the text and its terminating zero.
        return windows[window].caption.substr(0, std::size_t(length - 1));
    }
    std::uintptr_t Icon(std::uintptr_t window, IconSource source) override {
        if (source == IconSource::kSystemDefault) return defaultIcon;
        auto found = windows.find(window);
        if (found == windows.end()) return 0;
        auto icon = found->second.icons.find(source);
        return icon == found->second.icons.end() ? 0 : icon->second;
    }
    bool AddIcon(int slot, std::uintptr_t icon, const std::string& tip) override {
        calls.push_back("add " + std::to_string(slot));
        if (refuseIcons || icons.count(slot)) return false;
        icons[slot] = {icon, tip};
        return true;
    }
    void RemoveIcon(int slot) override {
        calls.push_back("remove " + std::to_string(slot));
        icons.erase(slot);
    }
    void ShowWindow(std::uintptr_t window, WindowShow how) override {
        static const char* const names[] = {"hide", "show", "restore", "minimize"};
        calls.push_back("show " + std::to_string(window) + " " + names[int(how)]);
        if (windows.count(window)) windows[window].visible = how != WindowShow::kHide;
    }
    void BringToForeground(std::uintptr_t window) override {
        calls.push_back("foreground " + std::to_string(window));
    }
    void AskToClose(std::uintptr_t window) override {
        calls.push_back("close " + std::to_string(window));
    }
    Point CursorPosition() override { return cursor; }
};

}  // namespace quorvel::fakes
