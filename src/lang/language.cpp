#include "lang/language.h"

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

int IndexOf(const ItemList& box, std::string_view text) {
    for (int i = 0; i < box.Count(); ++i) {
        if (EqualIgnoringCase(box.Item(i), text)) return i;
    }
    return -1;
}

}  // namespace

Language::Language(Profile& profile, FileSystem& files, Keyboard& keyboard,
                   std::string programFolder)
    : profile_(profile),
      files_(files),
      keyboard_(keyboard),
      programFolder_(std::move(programFolder)),
      options_(profile, programFolder_) {}

std::string Language::LanguageFolder() const {
    return programFolder_ + std::string(kLanguageFolderName);
}

std::string Language::ReadLanguageKey(std::string_view section, std::string_view key) {
    return profile_.ReadIniValue(section, key, LanguageFolder() + current_);
}

std::string Language::ReadDirect(const DirectEntry& entry) {
    if (IsBuiltIn()) return std::string(entry.builtIn);
    return ReadLanguageKey(entry.section, entry.key);
}

std::string Language::InformationText() {
    return ReadDirect(kInformationKey);
}

std::string Language::DisplayNameOfFile(const std::string& fileName) {
    return profile_.ReadIniValue(kDisplayNameKey.section, kDisplayNameKey.key,
                                 LanguageFolder() + fileName);
}

void Language::TakeLanguageFromOptions() {
    current_ = options_.Read(option::kFileLanguage);
    displayName_ = ReadDirect(kDisplayNameKey);
}

bool Language::CheckLanguageFile(const std::function<void(const std::string&)>& showWarning) {
    // An empty name would address the folder itself, which is no language file either.
    const bool fileExists = !current_.empty() && files_.FileExists(LanguageFolder() + current_);
    if (fileExists || IsBuiltIn()) return false;
    showWarning(std::string(kMissingLanguageWarning));
    options_.Write(option::kFileLanguage, kBuiltInLanguage);
    current_ = kBuiltInLanguage;
    return true;
}

void Language::ApplyBuiltInTexts() {
    for (const LanguageTextEntry& entry : LanguageTextEntries()) {
        texts_.Set(entry.id, std::string(entry.builtIn));
    }
}

void Language::LoadLanguage(LanguageTarget& target) {
    if (IsBuiltIn()) {
        // Captions stay as they are: the built-in language has none of its own.
        ApplyBuiltInTexts();
        displayName_ = kBuiltInDisplayName;
        return;
    }
    options_.Write(option::kFileLanguage, current_);
    displayName_ = ReadLanguageKey(kDisplayNameKey.section, kDisplayNameKey.key);
    for (const CaptionEntry& caption : CaptionEntries()) {
        target.SetCaption(caption.owner, caption.control,
                          ReadLanguageKey(caption.section, caption.key));
    }
    ApplyLanguageTexts();
}

void Language::ApplyLanguageTexts() {
    for (const LanguageTextEntry& entry : LanguageTextEntries()) {
        texts_.Set(entry.id, ReadLanguageKey(entry.section, entry.key));
    }
}

void Language::LoadLanguageList(ItemList& box) {
    box.Clear();
    box.Add(std::string(kBuiltInListEntry));
    box.SetItemIndex(IndexOf(box, kBuiltInListEntry));

    const std::vector<std::string> fileNames =
        files_.ListFiles(LanguageFolder() + std::string(kLanguageFilePattern));
    if (fileNames.empty()) return;
    for (const std::string& fileName : fileNames) box.Add(DisplayNameOfFile(fileName));

    // The stored choice decides, not the language in memory.
    const std::string stored = options_.Read(option::kFileLanguage);
    if (stored == kBuiltInLanguage) return;
    const int index = IndexOf(box, DisplayNameOfFile(stored));
    if (index >= 0) box.SetItemIndex(index);
    box.Delete(0);
}

std::string Language::FindLanguageFile(ItemList& box, const std::string& displayName) {
    box.Clear();
    if (displayName == kBuiltInListEntry) return std::string(kBuiltInLanguage);
    std::string found;
    for (const std::string& fileName :
         files_.ListFiles(LanguageFolder() + std::string(kLanguageFilePattern))) {
        if (DisplayNameOfFile(fileName) == displayName) found = fileName;
    }
    return found;
}

void Language::ActivateKeyboardLayout() {
    keyboard_.ActivateLayout(texts_.Get(LanguageText::kVariablesLanguageIdentificator));
}

}  // namespace quorvel
