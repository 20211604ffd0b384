// The test program's count of the GDI and USER objects its handle wrappers hold, which the
// long run reads: each object counts once while held, whatever way it leaves.
#include <gtest/gtest.h>

#include <utility>

#include "win32/handles.h"

namespace quorvel::win32 {
namespace {

TEST(HeldObjects, AnObjectCountsWhileHeldAndNotAgainWhenMoved) {
    const long gdi = HeldObjects::gdi;
    {
        UniqueBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
        UniqueRegion none;
        EXPECT_EQ(HeldObjects::gdi, gdi + 1);
        UniqueBrush moved(std::move(brush));
        UniqueBrush assigned;
        assigned = std::move(moved);
        EXPECT_EQ(HeldObjects::gdi, gdi + 1);
        assigned.Reset(CreateSolidBrush(RGB(4, 5, 6)));  // the first is deleted
        EXPECT_EQ(HeldObjects::gdi, gdi + 1);
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        EXPECT_EQ(HeldObjects::gdi, gdi + 2);
    }
    EXPECT_EQ(HeldObjects::gdi, gdi);
}

TEST(HeldObjects, AnObjectGivenAwayNoLongerCounts) {
    const long gdi = HeldObjects::gdi;
    UniqueRegion region(CreateRectRgn(0, 0, 10, 10));
    HRGN given = region.Release();
    EXPECT_EQ(HeldObjects::gdi, gdi);
    DeleteObject(given);
}

TEST(HeldObjects, WindowsAndMenusAreUserObjects) {
    const long gdi = HeldObjects::gdi;
    const long user = HeldObjects::user;
    {
        UniqueWindow window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                            nullptr, GetModuleHandleW(nullptr), nullptr));
        UniqueMenu menu(CreatePopupMenu());
        ASSERT_TRUE(window && menu);
        EXPECT_EQ(HeldObjects::user, user + 2);
        EXPECT_EQ(HeldObjects::gdi, gdi);
    }
    EXPECT_EQ(HeldObjects::user, user);
}

TEST(HeldObjects, AKernelHandleGotThroughAPointerCountsOnceTheCallReturns) {
    const long kernel = HeldObjects::kernel;
    {
        UniqueRegistryKey key;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.Receive()),
                  ERROR_SUCCESS);
        UniqueKernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        EXPECT_EQ(HeldObjects::kernel, kernel + 2);
        UniqueRegistryKey missing;
        RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\No such key", 0, KEY_READ, missing.Receive());
        EXPECT_EQ(HeldObjects::kernel, kernel + 2);
    }
    EXPECT_EQ(HeldObjects::kernel, kernel);
}

}  // namespace
}  // namespace quorvel::win32
