#include "win32/win32_module_loader.h"

#include "win32/windows_api.h"

#define QUORVEL_HOST
#include <quorvel_module.h>

#include <cstring>
#include <functional>

#include "win32/handles.h"
#include "win32/module_call_guard.h"
#include "win32/text_conversion.h"

namespace quorvel::win32 {
namespace {

// The C interface: an empty text crosses as a null pointer, a null text comes back empty.
const char* TextArgument(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}
std::uintptr_t TextSlot(const std::string& text) {
    return reinterpret_cast<std::uintptr_t>(TextArgument(text));
}
HWND Window(NativeHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

// Quiets the system's error boxes while a file is mapped, so a damaged module is
// skipped silently; the previous mode comes back afterwards.
class QuietErrorMode {
  public:
    QuietErrorMode() {
        SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_);
    }
    ~QuietErrorMode() { SetThreadErrorMode(previous_, nullptr); }
    QuietErrorMode(const QuietErrorMode&) = delete;
    QuietErrorMode& operator=(const QuietErrorMode&) = delete;

  private:
    DWORD previous_ = 0;
};

// The exact file named: absolute (a relative plug-in folder is taken from the current
// folder, as the folder listing takes it), and with a final "." when the name has no
// extension, which keeps LoadLibrary from trying "name.dll" instead.
std::wstring ExactModulePath(const std::string& path) {
    std::wstring wide = Widen(path);
    if (wide.empty()) return {};
    DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return {};
    std::wstring full(size, L'\0');
    size = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    if (size == 0 || size >= full.size()) return {};
    full.resize(size);
    // Added after GetFullPathNameW, which drops trailing dots.
    std::size_t nameStart = full.find_last_of(L"\\/");
    nameStart = nameStart == std::wstring::npos ? 0 : nameStart + 1;
    if (full.find(L'.', nameStart) == std::wstring::npos) full += L'.';
    return full;
}

// Every call into the module is guarded (a module failing inside ends the call, not the
// program), and every text it returns is read within the memory it lies in.
class Module : public LoadedModule {
  public:
    Module(UniqueModule handle, std::string name)
        : handle_(std::move(handle)), name_(std::move(name)) {}

    bool Has(ModuleExport which) const override { return Address(which) != nullptr; }

    std::string Information() override {
        std::string text;
        if (auto information = Proc<QuorvelInformationProc>(ModuleExport::kInformation))
            Guard(ModuleExport::kInformation, [&] { text = ReadModuleText(information()); });
        return text;
    }
    void ExpansionA(const std::string& languageName) override {
        if (auto expansionA = Proc<QuorvelExpansionAProc>(ModuleExport::kExpansionA))
            Guard(ModuleExport::kExpansionA, [&] { expansionA(TextArgument(languageName)); });
    }
    void ExpansionB(NativeHandle picture, std::int32_t editorLeft,
                    std::int32_t editorTop) override {
        if (auto expansionB = Proc<QuorvelExpansionBProc>(ModuleExport::kExpansionB)) {
            Guard(ModuleExport::kExpansionB,
                  [&] { expansionB(reinterpret_cast<HBITMAP>(picture), editorLeft, editorTop); });
        }
    }
    void ExpansionI(const ExpansionRecord& record) override {
        auto expansionI = Proc<QuorvelExpansionIProc>(ModuleExport::kExpansionI);
        if (!expansionI) return;
        TExpansionI slots{};
        slots.programFile = TextSlot(record.programFile);
        slots.programFolder = TextSlot(record.programFolder);
        slots.pluginFolder = TextSlot(record.pluginFolder);
        slots.languageFolder = TextSlot(record.languageFolder);
        slots.optionsFile = TextSlot(record.optionsFile);
        slots.combinationList = TextSlot(record.combinationList);
        slots.skinFile = TextSlot(record.skinFile);
        slots.reserved = 0;
        slots.mainWindow = record.mainWindow;
        slots.editorWindow = record.editorWindow;
        slots.optionsWindow = record.optionsWindow;
        slots.applicationWindow = record.applicationWindow;
        Guard(ModuleExport::kExpansionI, [&] { expansionI(slots); });
    }
    // actions.dll takes the action number as a fourth argument; under stdcall the callee
    // pops its arguments, so each kind must be called with exactly its own signature.
    void Setting(NativeHandle editor, const std::string& hotKey, const std::string& command,
                 std::optional<std::int32_t> action) override {
        if (action) {
            if (auto setting = Proc<QuorvelBuiltinSettingProc>(ModuleExport::kSetting)) {
                Guard(ModuleExport::kSetting, [&] {
                    setting(Window(editor), TextArgument(hotKey), TextArgument(command), *action);
                });
            }
        } else if (auto setting = Proc<QuorvelSettingProc>(ModuleExport::kSetting)) {
            Guard(ModuleExport::kSetting,
                  [&] { setting(Window(editor), TextArgument(hotKey), TextArgument(command)); });
        }
    }
    std::string Command() override {
        std::string text;
        if (auto command = Proc<QuorvelCommandProc>(ModuleExport::kCommand))
            Guard(ModuleExport::kCommand, [&] { text = ReadModuleText(command()); });
        return text;
    }
    void Execute(const std::string& hotKey, const std::string& command, NativeHandle mainWindow,
                 std::optional<std::int32_t> action) override {
        if (action) {
            if (auto execute = Proc<QuorvelBuiltinExecuteProc>(ModuleExport::kExecute)) {
                Guard(ModuleExport::kExecute, [&] {
                    execute(TextArgument(hotKey), TextArgument(command), Window(mainWindow),
                            *action);
                });
            }
        } else if (auto execute = Proc<QuorvelExecuteProc>(ModuleExport::kExecute)) {
            Guard(ModuleExport::kExecute, [&] {
                execute(TextArgument(hotKey), TextArgument(command), Window(mainWindow));
            });
        }
    }

  private:
    void Guard(ModuleExport which, const std::function<void()>& call) {
        GuardModuleCall(name_, ExportName(which), call);
    }
    FARPROC Address(ModuleExport which) const {
        std::string name(ExportName(which));
        return GetProcAddress(handle_.Get(), name.c_str());
    }
    // The export as its C signature, or null when the module lacks it (never called then).
    template <typename Signature>
    Signature Proc(ModuleExport which) const {
        FARPROC address = Address(which);
        if (!address) return nullptr;
        Signature typed;
        static_assert(sizeof typed == sizeof address);
        std::memcpy(&typed, &address, sizeof typed);
        return typed;
    }

    UniqueModule handle_;
    std::string name_;
};

class Picture : public ModulePicture {
  public:
    explicit Picture(UniqueBitmap bitmap) : bitmap_(std::move(bitmap)) {}
    NativeHandle Handle() const override { return reinterpret_cast<NativeHandle>(bitmap_.Get()); }

  private:
    UniqueBitmap bitmap_;
};

}  // namespace

std::unique_ptr<LoadedModule> Win32ModuleLoader::Load(const std::string& path) {
    std::wstring exact = ExactModulePath(path);
    if (exact.empty()) return nullptr;
    QuietErrorMode quiet;
    UniqueModule handle(LoadLibraryExW(
        exact.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!handle) return nullptr;
    const std::size_t nameStart = path.find_last_of("\\/");
    return std::make_unique<Module>(
        std::move(handle), nameStart == std::string::npos ? path : path.substr(nameStart + 1));
}

std::unique_ptr<ModulePicture> Win32ModuleLoader::CreatePicture(const Bitmap& bitmap) {
    if (bitmap.Empty()) return std::make_unique<Picture>(UniqueBitmap());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = -bitmap.Height();  // top row first, as Bitmap holds it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap handle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!handle || !bits) return std::make_unique<Picture>(UniqueBitmap());
    // Rows of a DIB are padded to four bytes; pixels are stored blue, green, red.
    const std::size_t stride = (std::size_t(bitmap.Width()) * 3 + 3) & ~std::size_t(3);
    auto* rows = static_cast<unsigned char*>(bits);
    for (int y = 0; y < bitmap.Height(); ++y) {
        unsigned char* pixel = rows + stride * std::size_t(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            Color color = bitmap.Pixel(x, y);
            *pixel++ = BlueOf(color);
            *pixel++ = GreenOf(color);
            *pixel++ = RedOf(color);
        }
    }
    GdiFlush();
    return std::make_unique<Picture>(std::move(handle));
}

}  // namespace quorvel::win32
