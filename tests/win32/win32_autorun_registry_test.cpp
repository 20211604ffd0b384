#include "win32/win32_autorun_registry.h"

#include <gtest/gtest.h>

#include "win32/text_conversion.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {
namespace {

using Root = AutorunRegistry::Root;

// A value name of its own, so the test never touches the program's autorun entry.
const std::string kName = "QuorvelAdapterTest";

std::optional<std::wstring> StoredValue(HKEY root) {
    wchar_t data[512];
    DWORD size = sizeof data;
    DWORD type = 0;
    if (::RegGetValueW(root, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                       Widen(kName).c_str(), RRF_RT_ANY, &type, data, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    return std::wstring(data);
}

TEST(Win32AutorunRegistry, WritesAndDeletesStringValuesUnderBothRoots) {
    Win32AutorunRegistry registry;
    for (auto [root, key] : {std::pair{Root::kLocalMachine, HKEY_LOCAL_MACHINE},
                             std::pair{Root::kCurrentUser, HKEY_CURRENT_USER}}) {
        auto run = registry.OpenRunKey(root);
        ASSERT_TRUE(run) << "programs run as administrator under Wine";
        ASSERT_TRUE(run->SetString(kName, "\"C:\\Program Files\\Qu\xC3\xB6rvel\\q.exe\" AUTO"));
        EXPECT_EQ(StoredValue(key), L"\"C:\\Program Files\\Qu\u00F6rvel\\q.exe\" AUTO");
        EXPECT_TRUE(run->DeleteValue(kName));
        EXPECT_FALSE(StoredValue(key));
        EXPECT_TRUE(run->DeleteValue(kName));  // already gone
    }
}

}  // namespace
}  // namespace quorvel::win32
