// Hot-key texts and shortcut values: any text reads without harm, and every value whose
// key has a name reads back from its text as the same text. The system's key names come
// from the input too (layouts name keys ";", "^", "ß" ...), except names that begin with a
// modifier prefix and go on ("Ctrl+X", "Win+X"), which no layout has.
#include <map>

#include "base/error.h"
#include "base/text_compare.h"
#include "fuzz/fuzz_input.h"
#include "hotkeys/shortcut_text.h"

namespace quorvel::fuzz {
namespace {

// The keys whose names come from the layout: the punctuation keys and the 102nd key.
constexpr int kLayoutKeys[] = {186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222, 226};

class InputKeyNames : public KeyNames {
  public:
    std::map<int, std::string> names;
    std::string SystemKeyName(int virtualKey) override {
        auto found = names.find(virtualKey);
        return found == names.end() ? std::string() : found->second;
    }
};

bool StartsWithPrefix(const std::string& name) {
    for (std::string_view prefix : {"Win+", "Shift+", "Ctrl+", "Alt+", "^"})
        if (name.size() > prefix.size() && EqualNoCase(name.substr(0, prefix.size()), prefix))
            return true;
    return false;
}

}  // namespace
}  // namespace quorvel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    using namespace quorvel::fuzz;
    FuzzInput input(data, size);
    InputKeyNames system;
    for (int code : kLayoutKeys) {
        std::string name = input.Text();
        if (!StartsWithPrefix(name)) system.names[code] = name;
    }
    // Bit 0x1000 of the word stands for the Windows key (no key that code high has a name),
    // so the word still picks every value with a name.
    const std::uint16_t word = input.Word();
    const Shortcut value = (word & 0x1000) ? Shortcut((word & ~0x1000) | kShortcutWin) : word;
    const std::string text = ShortCutToText(value, system);
    if (!text.empty()) {
        const Shortcut back = TextToShortCut(text, system);
        if (!EqualNoCase(ShortCutToText(back, system), text))
            Fail("\"" + text + "\" does not read back as itself");
    }
    // Any text: whatever it gives has a name of its own.
    const Shortcut read = TextToShortCut(input.Rest(), system);
    if (read != 0 && ShortCutToText(read, system).empty()) Fail("a text read as a nameless key");
    return 0;
}
