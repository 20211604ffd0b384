#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/text_rasterizer.h"
#include "platform/autorun_registry.h"
#include "platform/drive_system.h"
#include "platform/file_system.h"
#include "platform/key_names.h"
#include "platform/keyboard.h"
#include "platform/module_loader.h"
#include "platform/parking_system.h"
#include "platform/shell.h"
#include "platform/system_hot_keys.h"

namespace quorvel {

// The system services the program runs on, made once by the entry point and kept for the
// whole run. The hot keys and parking need the main window, so they come from factories.
struct Services {
    FileSystem& files;
    KeyNames& keyNames;
    Keyboard& keyboard;
    ModuleLoader& modules;
    FocusKeeper& focus;
    AutorunRegistry& autorun;
    DriveSystem& drives;
    std::function<std::unique_ptr<SystemHotKeys>(std::uintptr_t mainWindow)> createHotKeys;
    // Parking other windows; their icons belong to the main window.
    std::function<std::unique_ptr<ParkingSystem>(std::uintptr_t mainWindow)> createParking;
    std::string programFile;
    // The first command-line argument ("AUTO" from the autorun entry), or empty.
    std::string firstArgument;
    // Opens the web pages; without it the links do nothing.
    Shell* shell = nullptr;
    // Draws the title on the pictures; without it text is left out.
    TextRasterizer* text = nullptr;
};

}  // namespace quorvel
