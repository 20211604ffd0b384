#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/key_names.h"
#include "platform/keyboard.h"
#include "platform/module_loader.h"
#include "platform/system_hot_keys.h"

namespace quorvel {

// The system services the program runs on, made once by the entry point and kept for the
// whole run. The hot keys need the main window, so they come from a factory.
struct Services {
    FileSystem& files;
    KeyNames& keyNames;
    Keyboard& keyboard;
    ModuleLoader& modules;
    FocusKeeper& focus;
    std::function<std::unique_ptr<SystemHotKeys>(std::uintptr_t mainWindow)> createHotKeys;
    std::string programFile;
};

}  // namespace quorvel
