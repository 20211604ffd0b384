#pragma once

// The whole program on fakes, for the targets that feed it a file: the program folder
// C:\Quorvel\ of the fake services, with one plug-in that answers every export.
#include <memory>

#include "app/program.h"
#include "fakes/fake_services.h"
#include "fakes/fake_toolkit.h"

namespace quorvel::fuzz {

struct ProgramOnFakes {
    static constexpr const char* kList = "C:\\Quorvel\\DATA\\BASE.INI";
    static constexpr const char* kPlugin = "C:\\Quorvel\\PLUGIN\\rec.dll";

    ProgramOnFakes() {
        fake.files.AddFile(kPlugin, "");
        fake.loader.Add(kPlugin, "Recorder");
        fake.loader.Add("C:\\Quorvel\\actions.dll", "2,Run,Lock computer");
    }
    Program& Start() {
        program = std::make_unique<Program>(toolkit, fake.services);
        program->Run();
        return *program;
    }

    FakeServices fake;
    FakeToolkit toolkit;
    std::unique_ptr<Program> program;
};

}  // namespace quorvel::fuzz
