#include "hotkeys/reserved_combinations.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

constexpr Shortcut kWin = kShortcutWin;
constexpr Shortcut kShift = kShortcutShift;
constexpr Shortcut kCtrl = kShortcutCtrl;
constexpr Shortcut kAlt = kShortcutAlt;

// Virtual-key codes the list names.
constexpr Shortcut kTab = 0x09, kEnter = 0x0D, kPause = 0x13, kEsc = 0x1B, kSpace = 0x20,
                   kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28,
                   kPrint = 0x2C, kDel = 0x2E, kF4 = 0x73, kPlus = 0xBB, kComma = 0xBC,
                   kMinus = 0xBD, kPeriod = 0xBE, kPadPlus = 0x6B, kPadMinus = 0x6D;

// The combinations of the Windows key that Windows (and its shell) keeps, besides Win with
// a digit (the task bar's programs).
constexpr std::array kWindowsKeyCombinations = {
    kWin | 'A',
    kWin | 'B',
    kWin | 'D',
    kWin | 'E',
    kWin | 'G',
    kWin | 'H',
    kWin | 'I',
    kWin | 'K',
    kWin | 'L',
    kWin | 'M',
    kWin | 'P',
    kWin | 'R',
    kWin | 'S',
    kWin | 'T',
    kWin | 'U',
    kWin | 'V',
    kWin | 'X',
    kWin | kTab,
    kWin | kSpace,
    kWin | kPause,
    kWin | kHome,
    kWin | kLeft,
    kWin | kUp,
    kWin | kRight,
    kWin | kDown,
    kWin | kPrint,
    kWin | kComma,
    kWin | kPeriod,
    kWin | kPlus,
    kWin | kMinus,
    kWin | kPadPlus,
    kWin | kPadMinus,
    kWin | kEsc,
    kWin | kCtrl | 'D',
    kWin | kCtrl | kF4,
    kWin | kCtrl | kLeft,
    kWin | kCtrl | kRight,
    kWin | kCtrl | kEnter,
    kWin | kShift | 'M',
    kWin | kShift | 'S',
    kWin | kShift | kLeft,
    kWin | kShift | kRight,
    kWin | kShift | kUp,
    kWin | kShift | kDown,
    kWin | kCtrl | kShift | 'B',
    kWin | kAlt | 'R',
    kWin | kAlt | 'G',
    kWin | kAlt | kPrint,
};

// Without the Windows key: the secure attention sequence and the task manager.
constexpr std::array kOtherCombinations = {
    kCtrl | kAlt | kDel,
    kCtrl | kShift | kEsc,
};

template <std::size_t N>
bool Holds(const std::array<Shortcut, N>& list, Shortcut value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

bool KeptByWindows(Shortcut value) {
    const Shortcut key = value & kShortcutKeyMask;
    if (value == (kWin | key) && key >= '0' && key <= '9') return true;
    return Holds(kWindowsKeyCombinations, value) || Holds(kOtherCombinations, value);
}

}  // namespace quorvel
