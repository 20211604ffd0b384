#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "modules/host_interfaces.h"
#include "platform/file_system.h"

namespace quorvel::fakes {

// The program as the module host sees it, with plain values a test sets.
class FakeModuleHostEnvironment : public ModuleHostEnvironment {
  public:
    std::string programFile = "C:\\Quorvel\\quorvel.exe";
    std::string programFolder = "C:\\Quorvel\\";
    std::string pluginFolder = "C:\\Quorvel\\PLUGIN\\";
    std::string listFile = "C:\\Quorvel\\DATA\\BASE.INI";
    std::string skinFile = "C:\\Quorvel\\skin.jpg";
    Bitmap skin;
    std::string language = "English";
    std::string noActionWord = "No";
    // Values of the combination list: (n, key) -> value; missing reads "n/a".
    std::map<std::pair<int, std::string>, std::string> combinations;
    std::vector<std::string> reads;
    NativeHandle mainWindow = 101, editorWindow = 102, optionsWindow = 103, applicationWindow = 104;

    void SetCombination(int n, const std::string& hotKey, const std::string& plugin,
                        const std::string& command) {
        combinations[{n, "HotKey"}] = hotKey;
        combinations[{n, "Plugin"}] = plugin;
        combinations[{n, "Command"}] = command;
    }

    std::string ProgramFile() override { return programFile; }
    std::string ProgramFolder() override { return programFolder; }
    std::string PluginFolder() override { return pluginFolder; }
    std::string CombinationListFile() override { return listFile; }
    std::string SkinFile() override { return skinFile; }
    const Bitmap& SkinBitmap() override { return skin; }
    std::string LanguageDisplayName() override { return language; }
    std::string NoActionWord() override { return noActionWord; }
    std::string ReadCombinationValue(int number, const std::string& key) override {
        reads.push_back("HOT" + std::to_string(number) + "/" + key);
        auto found = combinations.find({number, key});
        return found == combinations.end() ? "n/a" : found->second;
    }
    NativeHandle MainWindow() override { return mainWindow; }
    NativeHandle EditorWindow() override { return editorWindow; }
    NativeHandle OptionsWindow() override { return optionsWindow; }
    NativeHandle ApplicationWindow() override { return applicationWindow; }
};

// The editor window: records hides and shows into a shared call log.
class FakeModuleEditor : public ModuleEditor {
  public:
    explicit FakeModuleEditor(std::vector<std::string>& calls) : calls_(calls) {}
    NativeHandle window = 102;
    int left = 300, top = 200;
    bool visible = true;

    NativeHandle Window() override { return window; }
    int Left() override { return left; }
    int Top() override { return top; }
    void Hide() override {
        visible = false;
        calls_.push_back("hide editor");
    }
    void Show() override {
        visible = true;
        calls_.push_back("show editor");
    }

  private:
    std::vector<std::string>& calls_;
};

// A sorted drop-down list, ordered without regard to case like the real control.
class FakeActionList : public ActionListTarget {
  public:
    std::vector<std::string> items;
    int selected = -2;  // never selected
    std::string Text() const { return selected >= 0 ? items.at(std::size_t(selected)) : ""; }

    void Clear() override {
        items.clear();
        selected = -1;
    }
    void Add(const std::string& text) override {
        auto lower = [](std::string s) {
            for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
            return s;
        };
        auto at = std::upper_bound(
            items.begin(), items.end(), text,
            [&](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
        items.insert(at, text);
    }
    int Count() override { return int(items.size()); }
    void Select(int index) override { selected = index; }
};

// A file system that only lists: pattern -> names, in the order given.
class FakeFolderListing : public FileSystem {
  public:
    std::map<std::string, std::vector<std::string>> listings;

    std::optional<std::string> ReadFile(const std::string&) override { return std::nullopt; }
    bool ReplaceFileContents(const std::string&, std::string_view) override { return false; }
    bool FileExists(const std::string&) override { return false; }
    std::optional<std::uint64_t> FileSize(const std::string&) override { return std::nullopt; }
    bool CreateFolder(const std::string&) override { return false; }
    std::vector<std::string> ListFiles(const std::string& pattern) override {
        auto found = listings.find(pattern);
        return found == listings.end() ? std::vector<std::string>{} : found->second;
    }
};

}  // namespace quorvel::fakes
