#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language_table.h"
#include "modules/module_host.h"
#include "platform/controls.h"
#include "platform/key_names.h"
#include "platform/message_dialogs.h"
#include "settings/profile.h"

namespace quorvel {

// The working record: one combination on its way between the editor, memory and the
// list file. Plugin holds the action name; Checked and Warning hold "-1" / "0".
struct TSetting {
    std::string HotKey;
    std::string Plugin;
    std::string Checked;
    std::string Command;
    std::string Warning;
    std::string Comment;
};

// A comment is one line of the list file: a line break is stored as "\n" and a backslash
// as "\\"; any other backslash reads back as itself, so older comments keep their paths.
std::string EncodeComment(std::string_view comment);
std::string DecodeComment(std::string_view stored);

// A module's command text is stored as it is, unless it has line breaks: then it is marked
// by a leading \x01 (which no command of older files starts with) and escaped as a comment
// is, so it stays on one line of the file and reads back whole.
std::string EncodeCommand(std::string_view command);
std::string DecodeCommand(std::string_view stored);

using TextLookup = std::function<std::string(LanguageText)>;

// The editor's fields a combination is shown in and taken from. The editor window hands
// them over, so the list store knows its controls but not the window. The window is made
// when it is first needed, so the store asks for them at each use (EditorFields).
struct CombinationFields {
    HotKeyEdit& hotKey;
    ItemList& action;
    CheckBox& enabled;
    CheckBox& warning;
    Memo& comment;
};
using EditorFields = std::function<CombinationFields()>;

// The combination list file (DATA\BASE.INI) and the main window's list of it. Nothing is
// kept but what the profile keeps while the file is unchanged: every operation reads the
// file at the moment it needs a value.
class CombinationStore {
  public:
    CombinationStore(Profile& profile, FileSystem& files, KeyNames& keyNames, ModuleHost& host,
                     MessageDialogs& dialogs, TextLookup text, std::string listFile, ListBox& list,
                     EditorFields editor);

    const std::string& ListFile() const { return listFile_; }

    // A missing file (or folder) becomes an empty list, so a fresh folder starts.
    void EnsureListFile();

    // "SETTING", "FORM", "SAVE" or "LOAD"; any other mode does nothing.
    void TransferRecord(std::string_view mode);

    // Lists every stored combination; an entry whose combination could not be registered
    // carries the unavailable mark.
    void LoadList();
    // The list again after background mode, keeping the selected entry; a missing file is
    // made again as at start.
    void ReloadList();
    // The hot-key texts the last registration could not take; the list shows them from its
    // next load on.
    void MarkUnavailable(std::vector<std::string> hotKeys) { unavailable_ = std::move(hotKeys); }
    void New();
    void ReSave();
    void Delete();

    int SelectedRecordNumber();
    void SelectEntry(int index);
    // Selects the entry whose text equals `hotKey` without regard to case.
    void SelectHotKey(const std::string& hotKey);
    // The number of the last stored combination whose hot-key text is exactly `hotKey`,
    // 0 when none; the file is read at this moment.
    int FindStored(const std::string& hotKey);
    void ListClick();

    // "<hot-key text> - <action name>": how entry n is named in its hint.
    std::string EntryTitle(int number);
    // A value of section "HOT"n as stored.
    std::string ReadValue(int number, std::string_view key);
    // The stored count, raising the conversion error when it is not an integer, and an error
    // naming it when it is beyond the last combination number (a damaged file: reading that
    // many entries one by one would keep start-up busy for minutes).
    int StoredCount();
    int StoredCount(const ProfileReading& file);

    TSetting Setting;
    int RecordNumber = 0;
    int TargetNumber = 0;
    // The editor's command text for the combination being edited.
    std::string EditorCommand;

  private:
    // An edit of the list file for one operation; a missing or unreadable file is refused,
    // since writing into a new one would make a list of gaps.
    ProfileEdit EditList();
    // The working record into section "HOT" + RecordNumber.
    void Save(ProfileEdit& edit);
    void RefreshHint();
    bool IsUnavailable(std::string_view hotKey) const;
    // The hot-key text an entry stands for, without its mark.
    std::string EntryHotKey(int index) const;

    Profile& profile_;
    FileSystem& files_;
    KeyNames& keyNames_;
    ModuleHost& host_;
    MessageDialogs& dialogs_;
    TextLookup text_;
    std::string listFile_;
    ListBox& list_;
    EditorFields editor_;
    std::vector<std::string> unavailable_;
};

// The last combination number. Lists are made by hand, one combination at a time: none
// comes near it, and a list this long still loads in well under two seconds.
constexpr int kLastCombinationNumber = 9999;

// The section of combination n.
std::string CombinationSection(int number);

}  // namespace quorvel
