#pragma once

#include <windows.h>

#include <cstring>

namespace quorvel::win32 {

// Points the test program's import of one system function at a replacement for as long as
// it lives, so a test can see the exact calls an adapter makes where Wine gives no
// visible effect. The adapters are linked into the test program, so their calls go
// through its import table.
class ImportHook {
    using Slot = decltype(IMAGE_THUNK_DATA{}.u1.Function);

  public:
    ImportHook(const char* module, const char* function, void* replacement) {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* entry =
                 reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             entry->Name != 0; ++entry) {
            if (_stricmp(reinterpret_cast<const char*>(base + entry->Name), module) != 0) continue;
            const DWORD namesAt =
                entry->OriginalFirstThunk ? entry->OriginalFirstThunk : entry->FirstThunk;
            auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + namesAt);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + entry->FirstThunk);
            for (; names->u1.AddressOfData != 0; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
                const auto* byName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0)
                    continue;
                slot_ = &slots->u1.Function;
                original_ = reinterpret_cast<void*>(*slot_);
                Write(reinterpret_cast<Slot>(replacement));
                return;
            }
        }
    }
    ~ImportHook() {
        if (slot_) Write(reinterpret_cast<Slot>(original_));
    }
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    bool Installed() const { return slot_ != nullptr; }
    void* Original() const { return original_; }

  private:
    void Write(Slot value) {
        DWORD protection = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
        *slot_ = value;
        VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    }

    Slot* slot_ = nullptr;
    void* original_ = nullptr;
};

}  // namespace quorvel::win32
