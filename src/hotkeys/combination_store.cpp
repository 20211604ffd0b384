#include "hotkeys/combination_store.h"

#include <algorithm>
#include <cctype>

#include "base/error.h"
#include "base/text_compare.h"
#include "hotkeys/shortcut_text.h"
#include "hotkeys/unavailable_keys.h"
#include "settings/value_text.h"

namespace quorvel {

namespace {

constexpr std::string_view kBaseSection = "Base";
constexpr std::string_view kIndexKey = "Index";
constexpr std::string_view kKeys[] = {"HotKey",  "Plugin",  "Checked",
                                      "Command", "Warning", "Comment"};

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string CombinationSection(int number) {
    return "HOT" + std::to_string(number);
}

std::string EncodeComment(std::string_view comment) {
    std::string stored;
    for (std::size_t i = 0; i < comment.size(); ++i) {
        const char c = comment[i];
        if (c == '\\') {
            stored += "\\\\";
        } else if (c == '\r' || c == '\n') {
            // CR LF, a lone CR and a lone LF are each one line break.
            if (c == '\r' && i + 1 < comment.size() && comment[i + 1] == '\n') ++i;
            stored += "\\n";
        } else {
            stored += c;
        }
    }
    return stored;
}

std::string DecodeComment(std::string_view stored) {
    std::string comment;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\\' && i + 1 < stored.size()) {
            if (stored[i + 1] == 'n') {
                comment += "\r\n";
                ++i;
                continue;
            }
            if (stored[i + 1] == '\\') {
                comment += '\\';
                ++i;
                continue;
            }
        }
        comment += stored[i];
    }
    return comment;
}

namespace {
constexpr char kMultiLineCommandMark = '\x01';
}  // namespace

std::string EncodeCommand(std::string_view command) {
    if (command.find_first_of("\r\n") == std::string_view::npos) return std::string(command);
    return kMultiLineCommandMark + EncodeComment(command);
}

std::string DecodeCommand(std::string_view stored) {
    if (stored.empty() || stored.front() != kMultiLineCommandMark) return std::string(stored);
    return DecodeComment(stored.substr(1));
}

CombinationStore::CombinationStore(Profile& profile, FileSystem& files, KeyNames& keyNames,
                                   ModuleHost& host, MessageDialogs& dialogs, TextLookup text,
                                   std::string listFile, ListBox& list, EditorFields editor)
    : profile_(profile),
      files_(files),
      keyNames_(keyNames),
      host_(host),
      dialogs_(dialogs),
      text_(std::move(text)),
      listFile_(std::move(listFile)),
      list_(list),
      editor_(std::move(editor)) {}

void CombinationStore::EnsureListFile() {
    if (files_.FileExists(listFile_)) return;
    const std::string folder = FolderOf(listFile_);
    if (!folder.empty()) files_.CreateFolder(folder);
    profile_.WriteIniValue(kBaseSection, kIndexKey, "0", listFile_);
}

std::string CombinationStore::ReadValue(int number, std::string_view key) {
    return profile_.ReadIniValue(CombinationSection(number), key, listFile_);
}

ProfileEdit CombinationStore::EditList() {
    return ProfileEdit(profile_, listFile_, MissingFile::kRefuse);
}

void CombinationStore::Save(ProfileEdit& edit) {
    // The action is resolved before anything is written, so a module scan that fails
    // leaves no half-written record.
    const std::string action = host_.ResolveAction(Setting.Plugin, ResolveMode::kAction);
    const std::string section = CombinationSection(RecordNumber);
    edit.WriteIniValue(section, kKeys[0], Setting.HotKey);
    edit.WriteIniValue(section, kKeys[1], action);
    edit.WriteIniValue(section, kKeys[2], Setting.Checked);
    edit.WriteIniValue(section, kKeys[3], EncodeCommand(Setting.Command));
    edit.WriteIniValue(section, kKeys[4], Setting.Warning);
    edit.WriteIniValue(section, kKeys[5], EncodeComment(Setting.Comment));
}

int CombinationStore::StoredCount() {
    return StoredCount(ProfileReading(profile_, listFile_));
}

int CombinationStore::StoredCount(const ProfileReading& file) {
    const std::string text = file.ReadIniValue(kBaseSection, kIndexKey);
    const int count = ParseInteger(text);
    if (count > kLastCombinationNumber)
        throw Error("'" + text + "' is not a valid number of combinations");
    return count;
}

void CombinationStore::TransferRecord(std::string_view mode) {
    const CombinationFields editor = editor_();
    if (mode == "SETTING") {
        Setting.HotKey = ShortCutToText(editor.hotKey.Value(), keyNames_);
        Setting.Plugin = editor.action.Item(editor.action.ItemIndex());
        Setting.Checked = std::string(BooleanText(editor.enabled.Checked()));
        Setting.Command = EditorCommand;
        Setting.Warning = std::string(BooleanText(editor.warning.Checked()));
        Setting.Comment = editor.comment.Text();
    } else if (mode == "FORM") {
        editor.hotKey.SetValue(TextToShortCut(Setting.HotKey, keyNames_));
        int found = -1;
        for (int i = 0; i < editor.action.Count() && found < 0; ++i)
            if (EqualNoCase(editor.action.Item(i), Setting.Plugin)) found = i;
        if (found >= 0) {
            editor.action.SetItemIndex(found);
        } else {
            host_.LoadBuiltinActions();
            dialogs_.Show({.type = DialogType::kWarning,
                           .text = text_(LanguageText::kMsgNoFoundPlugin),
                           .buttons = DialogButtons::kOk,
                           .beep = true});
            editor.action.SetItemIndex(-1);
        }
        editor.enabled.SetChecked(ParseBoolean(Setting.Checked));
        editor.warning.SetChecked(ParseBoolean(Setting.Warning));
        EditorCommand = Setting.Command;
        editor.comment.SetText(Setting.Comment);
    } else if (mode == "SAVE") {
        ProfileEdit edit = EditList();
        Save(edit);
        edit.Commit();
    } else if (mode == "LOAD") {
        Setting.HotKey = ReadValue(RecordNumber, kKeys[0]);
        Setting.Plugin = host_.ResolveAction(ReadValue(RecordNumber, kKeys[1]), ResolveMode::kName);
        Setting.Checked = ReadValue(RecordNumber, kKeys[2]);
        Setting.Command = DecodeCommand(ReadValue(RecordNumber, kKeys[3]));
        Setting.Warning = ReadValue(RecordNumber, kKeys[4]);
        Setting.Comment = DecodeComment(ReadValue(RecordNumber, kKeys[5]));
    }
}

// The loops over the whole list look at the file once: they run through without pausing,
// so that is what reading it for each value would see.
void CombinationStore::LoadList() {
    list_.Clear();  // a list file that cannot be read leaves no stale entries
    const ProfileReading file(profile_, listFile_);
    const int count = StoredCount(file);
    std::vector<std::string> entries;
    entries.reserve(std::size_t(std::max(count, 0)));
    for (int n = 1; n <= count; ++n) {
        const std::string hotKey = file.ReadIniValue(CombinationSection(n), "HotKey");
        entries.push_back(IsUnavailable(hotKey) ? hotKey + std::string(kUnavailableMark) : hotKey);
    }
    list_.SetItems(entries);
}

void CombinationStore::ReloadList() {
    const int selected = list_.ItemIndex();
    EnsureListFile();
    LoadList();
    if (list_.Count() > 0) SelectEntry(selected < 0 ? 0 : selected);
}

bool CombinationStore::IsUnavailable(std::string_view hotKey) const {
    return std::find(unavailable_.begin(), unavailable_.end(), hotKey) != unavailable_.end();
}

std::string CombinationStore::EntryHotKey(int index) const {
    std::string text = list_.Item(index);
    const std::size_t bare = text.size() - std::min(text.size(), kUnavailableMark.size());
    if (text.compare(bare, std::string::npos, kUnavailableMark) == 0 &&
        IsUnavailable(std::string_view(text).substr(0, bare)))
        text.resize(bare);
    return text;
}

// Each operation changes the file with one replace: the writes go into one edit of the
// file, in the order of the record, and reach the disc together or not at all.
void CombinationStore::New() {
    TransferRecord("SETTING");
    RecordNumber = TargetNumber;
    ProfileEdit edit = EditList();
    Save(edit);
    edit.WriteIniValue(kBaseSection, kIndexKey, std::to_string(TargetNumber));
    edit.Commit();
}

void CombinationStore::ReSave() {
    TransferRecord("SETTING");
    RecordNumber = TargetNumber;
    ProfileEdit edit = EditList();
    Save(edit);
    edit.Commit();
}

void CombinationStore::Delete() {
    // Taken first, so a list file that is gone or locked is named, not read as "n/a".
    ProfileEdit edit = EditList();
    const int count = ParseInteger(edit.ReadIniValue(kBaseSection, kIndexKey));
    int k = SelectedRecordNumber();
    // No stored combination matches the entry (or the file shrank by hand): nothing to
    // remove, and moving sections would lose other combinations.
    if (k <= 0 || k > count) return;
    const int selected = list_.ItemIndex();
    for (; k != count; ++k) {
        const std::string section = CombinationSection(k);
        const std::string next = CombinationSection(k + 1);
        for (std::string_view key : kKeys)
            edit.WriteIniValue(section, key, edit.ReadIniValue(next, key));
    }
    edit.EraseIniSection(CombinationSection(k));
    edit.WriteIniValue(kBaseSection, kIndexKey, std::to_string(count - 1));
    edit.Commit();
    LoadList();
    SelectEntry(selected);
}

int CombinationStore::SelectedRecordNumber() {
    const std::string text = EntryHotKey(list_.ItemIndex());
    int result = 0;
    const int entries = list_.Count();
    const ProfileReading file(profile_, listFile_);
    for (int n = 1; n <= entries; ++n)
        if (file.ReadIniValue(CombinationSection(n), "HotKey") == text) result = n;
    return result;
}

void CombinationStore::SelectEntry(int index) {
    const int last = list_.Count() - 1;
    list_.SetItemIndex(index > last ? last : index);
    if (list_.Count() > 0) RefreshHint();
}

void CombinationStore::SelectHotKey(const std::string& hotKey) {
    for (int i = 0; i < list_.Count(); ++i) {
        if (EqualNoCase(EntryHotKey(i), hotKey)) {
            SelectEntry(i);
            return;
        }
    }
}

int CombinationStore::FindStored(const std::string& hotKey) {
    int found = 0;
    const ProfileReading file(profile_, listFile_);
    const int count = ParseInteger(file.ReadIniValue(kBaseSection, kIndexKey));
    for (int n = 1; n <= count; ++n)
        if (file.ReadIniValue(CombinationSection(n), "HotKey") == hotKey) found = n;
    return found;
}

void CombinationStore::ListClick() {
    if (list_.Count() > 0) RefreshHint();
}

std::string CombinationStore::EntryTitle(int number) {
    return ReadValue(number, "HotKey") + " - " +
           host_.ResolveAction(ReadValue(number, "Plugin"), ResolveMode::kName);
}

void CombinationStore::RefreshHint() {
    const int n = SelectedRecordNumber();
    // An entry no section matches has nothing to tell.
    if (n == 0) return;
    const std::string hotKey = ReadValue(n, "HotKey");
    std::string hint = EntryTitle(n);
    if (IsUnavailable(hotKey)) {
        hint += '\r';
        hint += kUnavailableHint;
    }
    if (!ParseBoolean(ReadValue(n, "Checked"))) {
        hint += '\r';
        hint += text_(LanguageText::kMsgHint1);
    } else {
        const std::string comment = DecodeComment(ReadValue(n, "Comment"));
        if (!comment.empty()) hint += '\r' + comment;
    }
    list_.SetHint(hint);
}

}  // namespace quorvel
