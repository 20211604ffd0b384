#include "win32/win32_autorun_registry.h"

#include "win32/handles.h"
#include "win32/text_conversion.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {
namespace {

constexpr const wchar_t* kRunKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class Win32RunKey : public RunKey {
  public:
    explicit Win32RunKey(UniqueRegistryKey key) : key_(std::move(key)) {}

    bool SetString(const std::string& name, const std::string& data) override {
        std::wstring wideData = Widen(data);
        auto size = static_cast<DWORD>((wideData.size() + 1) * sizeof(wchar_t));
        return ::RegSetValueExW(key_.Get(), Widen(name).c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(wideData.c_str()),
                                size) == ERROR_SUCCESS;
    }

    bool DeleteValue(const std::string& name) override {
        LSTATUS status = ::RegDeleteValueW(key_.Get(), Widen(name).c_str());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }

  private:
    UniqueRegistryKey key_;
};

}  // namespace

std::unique_ptr<RunKey> Win32AutorunRegistry::OpenRunKey(Root root) {
    HKEY rootKey = root == Root::kLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    UniqueRegistryKey key;
    if (::RegCreateKeyExW(rootKey, kRunKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, key.Receive(), nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return std::make_unique<Win32RunKey>(std::move(key));
}

}  // namespace quorvel::win32
