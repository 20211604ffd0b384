// A language file of any bytes, chosen in the options: start-up applies it (captions,
// texts, keyboard layout), and the options dialog lists it by its display name.
#include "base/error.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/program_on_fakes.h"
#include "lang/language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    using namespace quorvel::fuzz;
    ProgramOnFakes fakes;
    FakeFileSystem& files = fakes.fake.files;
    files.AddFile("C:\\Quorvel\\LANGUAGE\\Fuzz.TXT",
                  std::string(reinterpret_cast<const char*>(data), size));
    Program& program = fakes.Start();
    Language& language = program.CurrentLanguage();
    try {
        language.SetCurrentLanguage("Fuzz.TXT");
        language.LoadLanguage(program.Captions());
        language.ApplyLanguageTexts();
        language.ActivateKeyboardLayout();
        language.LoadLanguageList(*program.Form3().Box);
        language.FindLanguageFile(*program.Form3().Box, language.DisplayName());
        (void)language.InformationText();
    } catch (const Error&) {
    }
    return 0;
}
