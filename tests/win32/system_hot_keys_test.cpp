#include <gtest/gtest.h>

#include "win32/win32_system_hot_keys.h"

namespace quorvel::win32 {
namespace {

struct MessageWindow {
    HWND handle = CreateWindowExW(0, L"STATIC", L"hot keys", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
    ~MessageWindow() { DestroyWindow(handle); }
};

TEST(Win32SystemHotKeys, ACombinationHeldByAnotherWindowIsRefusedUntilReleased) {
    MessageWindow first, second;
    Win32SystemHotKeys owner(first.handle), other(second.handle);
    ASSERT_TRUE(owner.Register(7, kModControl | kModAlt | kModShift, 'Q'));
    EXPECT_FALSE(other.Register(1, kModControl | kModAlt | kModShift, 'Q'));
    EXPECT_TRUE(owner.Unregister(7));
    EXPECT_FALSE(owner.Unregister(7)) << "releasing twice must fail, not crash";
    EXPECT_TRUE(other.Register(1, kModControl | kModAlt | kModShift, 'Q'));
    EXPECT_TRUE(other.Unregister(1));
}

}  // namespace
}  // namespace quorvel::win32
