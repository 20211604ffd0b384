#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "lang/language_table.h"
#include "lang/language_target.h"
#include "platform/controls.h"
#include "platform/file_system.h"
#include "platform/keyboard.h"
#include "settings/options.h"
#include "settings/profile.h"

namespace quorvel {

// Shown once at start when the options name a language file that is not there.
inline constexpr std::string_view kMissingLanguageWarning =
    "WARNING !!!\r\rThe not found file language, load language is default.";

// One text per entry of the table; lives for the whole run and is refreshed in place, so
// every reader sees the current language at its next use.
class LanguageTextSet {
  public:
    const std::string& Get(LanguageText id) const { return texts_[std::size_t(id)]; }
    void Set(LanguageText id, std::string text) { texts_[std::size_t(id)] = std::move(text); }

  private:
    std::array<std::string, kLanguageTextCount> texts_;
};

// The current language of the program: which one it is, its display name and its texts.
// Every key is read from the language file at the moment it is needed; nothing is cached
// but the text set itself.
class Language {
  public:
    // `programFolder` ends with a backslash.
    Language(Profile& profile, FileSystem& files, Keyboard& keyboard, std::string programFolder);

    // Start-up, as the main window is created: the current language is the one the options
    // name, and its display name is read. (ApplyLanguageTexts follows as the last step of
    // the window's creation.)
    void TakeLanguageFromOptions();

    // Start-up, first step of the start sequence: a language file named in the options that
    // does not exist is reported through `showWarning` (a plain box with OK), the options
    // are set back to the built-in language, and the built-in language becomes current.
    // True when that happened.
    bool CheckLanguageFile(const std::function<void(const std::string&)>& showWarning);

    // Applies the current language: the built-in one sets its texts and display name only;
    // a file also becomes the stored choice, names the display name, sets every caption of
    // the windows and menus, then reads the texts.
    void LoadLanguage(LanguageTarget& target);

    // Reads every entry of the text set from the current language file ("n/a" when missing).
    void ApplyLanguageTexts();

    // Refills the options dialog's list with the display names of the language files and
    // selects the stored choice. "Default" (the built-in language) is offered only while
    // the built-in language is the stored choice.
    void LoadLanguageList(ItemList& box);

    // The current-language value for a display name chosen in the list: "STANDART LANGUAGE"
    // for "Default", else the file whose display name equals it (the last one listed when
    // several do), or empty when none does. Clears the list; the caller refills it.
    std::string FindLanguageFile(ItemList& box, const std::string& displayName);

    // Makes the keyboard layout of the current language active.
    void ActivateKeyboardLayout();

    // A key of the current language file, "n/a" when the file, section or key is missing.
    std::string ReadLanguageKey(std::string_view section, std::string_view key);

    // The text of the information box shown at the first activation of the main window.
    std::string InformationText();

    const std::string& CurrentLanguage() const { return current_; }
    void SetCurrentLanguage(std::string language) { current_ = std::move(language); }
    bool IsBuiltIn() const { return current_ == kBuiltInLanguage; }
    const std::string& DisplayName() const { return displayName_; }
    const std::string& Text(LanguageText id) const { return texts_.Get(id); }
    const LanguageTextSet& Texts() const { return texts_; }

    std::string LanguageFolder() const;

  private:
    // A key read at its place of use: under the built-in language there is no file, so the
    // built-in text stands for it.
    std::string ReadDirect(const DirectEntry& entry);
    std::string DisplayNameOfFile(const std::string& fileName);
    void ApplyBuiltInTexts();

    Profile& profile_;
    FileSystem& files_;
    Keyboard& keyboard_;
    std::string programFolder_;
    Options options_;
    std::string current_;
    std::string displayName_;
    LanguageTextSet texts_;
};

}  // namespace quorvel
