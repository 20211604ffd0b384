#pragma once

// The system's services on fakes, over a program folder C:\Quorvel\ that starts without a
// question: the built-in language, a skin of the layout's size and no combinations.
#include <memory>

#include "app/services.h"
#include "fakes/fake_autorun_registry.h"
#include "fakes/fake_drive_system.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_keyboard.h"
#include "fakes/fake_module_loader.h"
#include "fakes/fake_parking_system.h"
#include "fakes/fake_system_hot_keys.h"
#include "fakes/test_jpeg.h"

namespace quorvel {

struct FakeServices {
    static constexpr const char* kFolder = "C:\\Quorvel\\";
    static constexpr const char* kOptions = "C:\\Quorvel\\Option.ini";

    FakeServices() {
        files.AddFile(
            kOptions,
            "[PROGRAM]\r\nAUTORUN=0\r\nFILE_LANGUAGE=STANDART LANGUAGE\r\nENABLE_ALL_HOT_KEY=-1\r\n"
            "FILE_SKIN=Blue.jpg\r\nINFORMATION_SHOW=0\r\n"
            "[MESSAGE]\r\nDISABLE_FONE_MODES=0\r\nDELETE_HOT_KEY=0\r\nEXIT_PROGRAM=0\r\n"
            "[MODULES]\r\nFOLDER_PLUGIN=\r\nAUTO_PLUGIN_FOLDER=-1\r\n[TRAY]\r\nDISKINDRIVE="
            "0\r\nANIMATION=0\r\nDRIVE=\r\n"
            "FASTOPEN=0\r\n[ADDITION]\r\nDISABLE_FORM_FOG=0\r\n");
        files.AddFile("C:\\Quorvel\\Blue.jpg",
                      EncodeTestJpeg(202, 183, Rgb(40, 80, 160), Rgb(200, 210, 220)));
    }

    FakeFileSystem files;
    fakes::FakeKeyNames keyNames;
    FakeKeyboard keyboard;
    fakes::FakeModuleLoader loader;
    fakes::FakeFocusKeeper focus;
    FakeAutorunRegistry autorun;
    FakeDriveSystem drives;
    // The program's hot keys, once the program has made them.
    fakes::FakeSystemHotKeys* hotKeys = nullptr;
    // The desktop that windows are parked on, once the program has asked for it.
    fakes::FakeParkingSystem* parking = nullptr;
    Services services{.files = files,
                      .keyNames = keyNames,
                      .keyboard = keyboard,
                      .modules = loader,
                      .focus = focus,
                      .autorun = autorun,
                      .drives = drives,
                      .createHotKeys = [this](std::uintptr_t) -> std::unique_ptr<SystemHotKeys> {
                          auto keys = std::make_unique<fakes::FakeSystemHotKeys>();
                          hotKeys = keys.get();
                          return keys;
                      },
                      .createParking = [this](std::uintptr_t) -> std::unique_ptr<ParkingSystem> {
                          auto system = std::make_unique<fakes::FakeParkingSystem>();
                          parking = system.get();
                          return system;
                      },
                      .programFile = "C:\\Quorvel\\quorvel.exe"};
};

}  // namespace quorvel
