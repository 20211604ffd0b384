#pragma once

#include "platform/module_loader.h"

namespace quorvel::win32 {

// Loads action modules with LoadLibraryExW by full path: the module's own dependencies
// are searched beside it and in the system folder only (never the current folder or
// PATH), and no "bad image" box is shown for a file that is not a module. Every call
// into a module goes through here, converting to the C interface of quorvel_module.h.
class Win32ModuleLoader : public ModuleLoader {
  public:
    std::unique_ptr<LoadedModule> Load(const std::string& path) override;

    // A 24-bit DIB section holding a copy of the bitmap; an empty bitmap gives handle 0.
    std::unique_ptr<ModulePicture> CreatePicture(const Bitmap& bitmap) override;
};

}  // namespace quorvel::win32
