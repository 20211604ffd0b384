// The combination list file (DATA\BASE.INI) of any bytes, through the program on fakes:
// start-up loads the list, then each stored combination is selected, loaded into the
// editor's record, shown in the editor and fired in background mode.
#include "base/error.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/program_on_fakes.h"
#include "hotkeys/combination_store.h"
#include "hotkeys/dispatch.h"
#include "settings/ini_file.h"
#include "settings/value_text.h"

namespace {

// Enough combinations to reach every path; a larger count only repeats them.
constexpr int kMostCombinations = 12;

template <typename Step>
void Try(Step step) {
    try {
        step();
    } catch (const quorvel::Error&) {
        // The program's own errors are reported to the user; anything else is a fault.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    using namespace quorvel::fuzz;
    const std::string list(reinterpret_cast<const char*>(data), size);
    int count = 0;
    try {
        count = ParseInteger(ini::ReadValue(list, "Base", "Index"));
    } catch (const Error&) {
    }
    if (count > kMostCombinations) return 0;

    ProgramOnFakes fakes;
    fakes.fake.files.AddFile(ProgramOnFakes::kList, list);
    Program& program = fakes.Start();
    CombinationStore& store = program.Store();
    ListBox& entries = *program.Form1().List;
    for (int i = 0; i < entries.Count(); ++i) {
        entries.SetItemIndex(i);
        Try([&] { store.ListClick(); });
    }
    for (int n = 1; n <= count; ++n) {
        store.RecordNumber = n;
        Try([&] { store.TransferRecord("LOAD"); });
        Try([&] { store.TransferRecord("FORM"); });
    }
    Try([&] { program.Dispatcher().OnFonMode(); });
    for (int n = 0; n <= count; ++n) Try([&] { program.Dispatcher().OnHotKey(n); });
    Try([&] { program.Dispatcher().OffFonMode(); });
    return 0;
}
