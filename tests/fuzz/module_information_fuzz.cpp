// The texts action modules hand over: the Information text of actions.dll (a count field,
// then names, cut at 255 characters), a plug-in's Information text (its action name) and
// the Command texts of the settings step, all of any bytes.
#include <algorithm>

#include "base/error.h"
#include "fakes/fake_module_host.h"
#include "fakes/fake_module_loader.h"
#include "fuzz/fuzz_input.h"
#include "modules/module_host.h"
#include "settings/value_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    using namespace quorvel::fuzz;
    FuzzInput input(data, size);
    const std::string builtin = input.LongText();
    const std::string plugin = input.LongText();
    const std::string first = input.Text();
    const std::string second = input.Rest();

    fakes::FakeModuleLoader loader;
    fakes::FakeModuleHostEnvironment environment;
    fakes::FakeFolderListing listing;
    listing.listings["C:\\Quorvel\\PLUGIN\\*.DLL"] = {"p.dll"};
    loader.Add("C:\\Quorvel\\actions.dll", builtin).commands = {first, second};
    loader.Add("C:\\Quorvel\\PLUGIN\\p.dll", plugin).commands = {first, second};
    ModuleHost host(loader, listing, environment);

    std::optional<int> count;
    try {
        count = ParseInteger(builtin.substr(0, builtin.find(',')));
    } catch (const Error&) {
    }
    bool loaded = true;
    try {
        host.LoadBuiltinActions();
    } catch (const Error&) {
        loaded = false;
    }
    if (loaded != count.has_value()) Fail("the count field was not converted as it reads");
    const std::vector<std::string>& names = host.BuiltinActionNames();
    if (count && int(names.size()) != std::clamp(*count, 0, kMaxBuiltinActions))
        Fail("the table does not hold the counted names");
    const std::string readable = builtin.substr(0, 255) + ",";
    for (std::size_t k = 0; k < names.size(); ++k) {
        const std::string& name = names[k];
        if (name != "ERROR INDEX" && readable.find(name) == std::string::npos)
            Fail("a name from beyond the first 255 characters");
        if (name.find(',', 1) != std::string::npos) Fail("a name holds a comma");
        if (name == plugin) continue;  // the plug-in of that name takes precedence
        const std::string value = host.ResolveAction(name, ResolveMode::kAction);
        const int number = host.BuiltinActionNumber(name);
        if (number <= 0 || names[std::size_t(number) - 1] != name ||
            value != "actions.dll," + std::to_string(number))
            Fail("a built-in name does not resolve to its number");
    }

    fakes::FakeActionList list;
    host.LoadPlugin(list);
    if (std::find(list.items.begin(), list.items.end(), plugin) == list.items.end())
        Fail("the plug-in is not listed by its name");
    if (host.ResolveAction("p.dll", ResolveMode::kName) != plugin)
        Fail("the plug-in's file does not resolve to its name");
    if (host.ResolveAction(plugin, ResolveMode::kAction) != "p.dll")
        Fail("the plug-in's name does not resolve to its file");

    std::vector<std::string> calls;
    fakes::FakeModuleEditor editor(calls);
    const auto command = host.ConfigureAction(editor, plugin, "Ctrl+A", std::nullopt);
    if (command.has_value() == (first == "NOCOMMAND") || (command && *command != second))
        Fail("the settings step did not give the module's command");
    environment.SetCombination(1, "Ctrl+A", "p.dll", second);
    host.RunAction(1);
    if (host.Busy()) Fail("the busy flag stayed set");
    return 0;
}
