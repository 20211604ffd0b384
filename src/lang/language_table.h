#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace quorvel {

// The current-language value that selects the built-in English texts (spelled as the
// options files of every installation already store it).
inline constexpr std::string_view kBuiltInLanguage = "STANDART LANGUAGE";
// The built-in language's display name, and the entry that stands for it in the list.
inline constexpr std::string_view kBuiltInDisplayName = "English";
inline constexpr std::string_view kBuiltInListEntry = "Default";
// Language files live in this folder under the program folder.
inline constexpr std::string_view kLanguageFolderName = "LANGUAGE\\";
inline constexpr std::string_view kLanguageFilePattern = "*.TXT";

// The entries of the language text set, declared in the order ApplyLanguageTexts reads
// them from a language file.
enum class LanguageText : std::size_t {
    kForm2C2,
    kForm2Caption1,
    kForm2Caption2,
    kMsgDelete,
    kMsgExitProgram,
    kMsgDisableFoneModes,
    kMsgNoPlugin,
    kMsgNoHotkey,
    kMsgHotkeyDlg,
    kMsgCreateDlgHotkey,
    kMsgResaveDlgHotkey,
    kMsgResaveHotkey,
    kForm2Box1,
    kForm2Box2,
    kForm2C1,
    kForm3Caption,
    kForm3Sheet1,
    kForm3Sheet2,
    kForm3Sheet3,
    kForm3Sheet5,
    kForm3C1,
    kForm3C2,
    kForm3C3,
    kForm3C4,
    kForm3C5,
    kForm3C6,
    kForm3C7,
    kForm3C8,
    kForm3C9,
    kForm3Box1,
    kForm3Box2,
    kForm3Box3,
    kMsgNoFoundPlugin,
    kVariablesNo,
    kVariablesLanguageIdentificator,
    kMsgExecuteHotkey,
    kForm4Caption2,
    kMsgHint1,
    kForm3Sheet4,
    kForm3Box4,
    kCount
};
inline constexpr std::size_t kLanguageTextCount = std::size_t(LanguageText::kCount);

struct LanguageTextEntry {
    LanguageText id;
    std::string_view section;
    std::string_view key;
    std::string_view builtIn;  // the English text of the built-in language
};

// Every entry of the text set, indexed by LanguageText, so also in reading order.
const std::array<LanguageTextEntry, kLanguageTextCount>& LanguageTextEntries();

// The window or menu that owns a control whose caption a language file sets.
enum class CaptionOwner { kForm1, kForm2, kForm3, kForm4, kMenu1, kMenu2 };

struct CaptionEntry {
    std::string_view section;
    std::string_view key;
    CaptionOwner owner;
    std::string_view control;  // layout name of the control or menu item
};

// The captions LoadLanguage sets from a language file, in the order it sets them.
std::span<const CaptionEntry> CaptionEntries();

// Keys read at the place of use rather than kept in the text set.
struct DirectEntry {
    std::string_view section;
    std::string_view key;
    std::string_view builtIn;
};
inline constexpr DirectEntry kDisplayNameKey{"FILE", "LANGUAGE", kBuiltInDisplayName};
extern const DirectEntry kInformationKey;

// Every section and key a language file holds, each once, in the order a file lists them.
struct LanguageKey {
    std::string_view section;
    std::string_view key;
    bool operator==(const LanguageKey&) const = default;
};
std::span<const LanguageKey> AllLanguageKeys();

}  // namespace quorvel
