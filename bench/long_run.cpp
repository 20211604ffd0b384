// The program over a long run, driven as a user would in rounds: presses in background mode,
// editor and options-dialog openings, skin changes and park/restore cycles. After each round
// the objects the program holds and its private memory are sampled; the last round's figures
// must be those of the first within a small fixed slack. Prints one table; exits 1 on growth
// or when a step did not happen.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/window_messages.h"
#include "bench_support.h"
#include "helper_window.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "win32/test_hooks.h"
#include "window_search.h"
#include "windows/combination_editor.h"
#include "windows/main_window.h"
#include "windows/options_dialog.h"

using namespace quorvel::e2e;
using namespace quorvel::bench;
using quorvel::kBackgroundModeMessage;
using quorvel::kForm1Layout;
using quorvel::kForm2Layout;
using quorvel::kForm3Layout;
using quorvel::kParkWindowMessage;
using quorvel::win32::kHeldObjectsMessage;
using namespace std::chrono_literals;

namespace {

// Ten rounds make 2,000 presses, 200 editor and 200 options-dialog openings, 100 skin
// changes and 500 park/restore cycles.
constexpr int kRounds = 10;
constexpr int kPressesPerRound = 200;
constexpr int kEditorOpeningsPerRound = 20;
constexpr int kOptionsOpeningsPerRound = 20;
constexpr int kSkinChangesPerRound = 10;
constexpr int kParkingsPerRound = 50;

const wchar_t* const kSkins[] = {L"Blue", L"Graphite", L"Sand"};

// What the program holds at one moment.
struct Sample {
    long gdi = 0;
    long user = 0;
    long handles = 0;
    long privateKb = 0;
};

// The growth allowed from the first round to the last: a leak of one object in any of the
// operations repeated hundreds of times is far above it, while the system's own caches
// (Wine's heap, a font it keeps) may settle a little after the first round.
constexpr Sample kSlack{.gdi = 2, .user = 2, .handles = 8, .privateKb = 1024};

long Held(HWND main, WPARAM which) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(main, kHeldObjectsMessage, which, 0, SMTO_ABORTIFHUNG, 10000, &answer))
        throw std::runtime_error("the program did not answer the count of its objects");
    return long(LONG_PTR(answer));
}

class LongRun {
  public:
    LongRun() {
        AddPlugins(folder_, 5);
        WriteTextFile(folder_.File("DATA\\BASE.INI"),
                      ListFile({{"Ctrl+Alt+Q", true, false, "timed.dll"}}));
        SetEnvironmentVariableW(L"QUORVEL_MODULE_LOG",
                                folder_.File("module.log").wstring().c_str());
        main_ = Start(folder_, program_);
        presses_ = {folder_.File("module.log"),
                    "timing: Execute(\"Ctrl+Alt+Q\",\"cmd1\"," +
                        std::to_string(reinterpret_cast<std::uintptr_t>(main_)) + ")",
                    {},
                    0};
    }

    Sample Take() const {
        // The program is the only process whose command line names its folder.
        const long privateKb = PrivateKilobytes({folder_.Path().filename().string()});
        if (privateKb < 0) throw std::runtime_error("the program's memory cannot be read");
        return {Held(main_, 0), Held(main_, 1), Held(main_, 2), privateKb};
    }

    // One round of the operations named (all of them when empty), to find which one grows.
    void Round(const std::string& only) {
        auto chosen = [&](const char* what) {
            return only.empty() || only.find(what) != std::string::npos;
        };
        if (chosen("presses")) Presses();
        if (chosen("editor"))
            for (int i = 0; i < kEditorOpeningsPerRound; ++i) OpenAndCancelEditor();
        // One of the openings changes the skin again and again; the others only open.
        if (chosen("options"))
            for (int i = 1; i < kOptionsOpeningsPerRound; ++i) OpenAndCancelOptions();
        if (chosen("skins")) ChangeSkins();
        if (chosen("parking"))
            for (int i = 0; i < kParkingsPerRound; ++i) ParkAndRestore();
    }

    int LostPresses() const { return presses_.lost; }

  private:
    void Presses() {
        SendMessageW(main_, kBackgroundModeMessage, 0, 0);
        if (CanRegister(kModifiers, kKey))
            throw std::runtime_error("background mode did not register the combination");
        Measure(presses_, kPressesPerRound, false);
        SendMessageW(main_, kBackgroundModeMessage, 1, 0);
        if (!WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }))
            throw std::runtime_error("leaving background mode did not show the window");
    }

    HWND Opened(const wchar_t* caption) const {
        HWND window = nullptr;
        WaitUntil([&] { return (window = FindProgramWindow(program_->ProcessId(), caption)); });
        if (!window) throw std::runtime_error("a window did not open");
        return window;
    }

    void WaitClosed(HWND window) const {
        if (!WaitUntil([&] { return !IsWindowVisible(window) && IsWindowEnabled(main_); }))
            throw std::runtime_error("a window did not close");
    }

    void OpenAndCancelEditor() {
        PostMessageW(ControlAt(main_, LayoutOf(kForm1Layout, "Button1")), BM_CLICK, 0, 0);
        HWND editor = Opened(L"Combination");
        PostMessageW(ControlAt(editor, LayoutOf(kForm2Layout, "Button2")), BM_CLICK, 0, 0);
        WaitClosed(editor);
    }

    HWND OpenOptions() {
        PostMessageW(ControlAt(main_, LayoutOf(kForm1Layout, "Button4")), BM_CLICK, 0, 0);
        return Opened(L"Option");
    }

    void CancelOptions(HWND dialog) {
        PostMessageW(ControlAt(dialog, LayoutOf(kForm3Layout, "Button2")), BM_CLICK, 0, 0);
        WaitClosed(dialog);
    }

    void OpenAndCancelOptions() { CancelOptions(OpenOptions()); }

    // Picks each skin in turn in the dialog's list and loads it, as "Load skin" does; the
    // click is answered once the skin is applied to every window.
    void ChangeSkins() {
        HWND dialog = OpenOptions();
        HWND list = ControlAt(dialog, LayoutOf(kForm3Layout, "ListSkin"));
        HWND load = ControlAt(dialog, LayoutOf(kForm3Layout, "Button4"));
        for (int i = 0; i < kSkinChangesPerRound; ++i) {
            const wchar_t* skin = kSkins[++skinsChanged_ % std::size(kSkins)];
            const LRESULT entry = SendMessageW(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(skin));
            if (entry == LB_ERR) throw std::runtime_error("a shipped skin is not listed");
            SendMessageW(list, LB_SETCURSEL, WPARAM(entry), 0);
            DWORD_PTR ignored = 0;
            if (!SendMessageTimeoutW(load, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored))
                throw std::runtime_error("loading a skin did not finish");
            if (StoredSkin() != skin) throw std::runtime_error("a skin was not loaded");
        }
        CancelOptions(dialog);
    }

    // The skin's name as Option.ini holds it, read from the file's bytes: this process's
    // profile functions may keep an older copy of a file another process writes.
    std::wstring StoredSkin() const {
        std::ifstream in(folder_.File("Option.ini"), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const std::string text = bytes.str();
        const auto at = text.find("FILE_SKIN=");
        if (at == std::string::npos) return L"";
        const auto end = text.find_first_of(".\r\n", at);
        return std::wstring(text.begin() + long(at) + 10, text.begin() + long(end));
    }

    // Parks a window behind an icon of its own and brings it back with the icon's click.
    void ParkAndRestore() {
        const std::size_t icons = TrayIconWindows().size();
        SendMessageW(main_, kParkWindowMessage, WPARAM(helper_.Handle()), 0);
        if (!WaitUntil([&] { return !helper_.Visible() && TrayIconWindows().size() == icons + 1; }))
            throw std::runtime_error("a window was not parked");
        HWND icon = TrayIconWindows().back();
        PostMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
        PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
        if (!WaitUntil([&] { return helper_.Visible() && TrayIconWindows().size() == icons; }))
            throw std::runtime_error("a parked window did not come back");
    }

    ProgramFolder folder_;
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
    Phase presses_;
    HelperWindow helper_{L"Parked by the long run"};
    int skinsChanged_ = 0;
};

void PrintRow(const char* what, const Sample& s) {
    std::printf("| %s | %ld | %ld | %ld | %.1f |\n", what, s.gdi, s.user, s.handles,
                double(s.privateKb) / 1024.0);
}

// Each figure that grew beyond its slack from the first round to the last, said.
int Growth(const Sample& first, const Sample& last) {
    int grown = 0;
    auto check = [&](const char* what, long from, long to, long slack) {
        if (to - from <= slack) return;
        std::printf("GROWTH: %s from %ld to %ld (slack %ld)\n", what, from, to, slack);
        ++grown;
    };
    check("GDI objects", first.gdi, last.gdi, kSlack.gdi);
    check("USER objects", first.user, last.user, kSlack.user);
    check("handles", first.handles, last.handles, kSlack.handles);
    check("private kB", first.privateKb, last.privateKb, kSlack.privateKb);
    return grown;
}

int RunLongRun(const std::string& only) {
    LongRun run;
    const Sample started = run.Take();
    // A program that counts nothing is not the test build, and would show no leak.
    if (started.gdi <= 0 || started.user <= 0)
        throw std::runtime_error("the program reports no objects held: not the test build?");
    std::vector<Sample> rounds;
    for (int round = 0; round < kRounds; ++round) {
        run.Round(only);
        rounds.push_back(run.Take());
        std::fprintf(stderr, "long_run: round %d of %d done\n", round + 1, kRounds);
    }
    std::printf("| after | GDI objects | USER objects | handles | private MB |\n");
    std::printf("|---|---|---|---|---|\n");
    PrintRow("start", started);
    for (int round = 0; round < kRounds; ++round) {
        const std::string what = "round " + std::to_string(round + 1);
        PrintRow(what.c_str(), rounds[std::size_t(round)]);
    }
    // A press whose action never ran is said, as the benchmark says it, but is not growth:
    // this check is about what the program holds.
    if (run.LostPresses() > 0)
        std::printf("presses without a stamp in 5 s: %d\n", run.LostPresses());
    return Growth(rounds.front(), rounds.back()) == 0 ? 0 : 1;
}

}  // namespace

// long_run [presses,editor,options,skins,parking]: all of them unless some are named.
int main(int argc, char** argv) {
    try {
        return RunLongRun(argc > 1 ? argv[1] : "");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "long_run: %s\n", error.what());
        return 1;
    }
}
