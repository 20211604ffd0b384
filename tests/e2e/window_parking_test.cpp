// Parking another program's window with the real program: the park message hides it behind
// an icon of its own; the icon's click and menu bring it back, to the task bar or closed;
// the program's end shows what it still holds.
#include <gtest/gtest.h>

#include <optional>

#include "base/window_messages.h"
#include "helper_window.h"
#include "hot_key_driver.h"
#include "program_driver.h"
#include "window_search.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;

class WindowParkingTest : public ::testing::Test {
  protected:
    void Start(const std::vector<Combination>& combinations = {}) {
        if (!combinations.empty())
            WriteTextFile(folder_.File("DATA\\BASE.INI"), ListFile(combinations));
        program_.emplace(folder_);
        ASSERT_TRUE(WaitUntil([&] {
            main_ = FindProgramWindowOfClass(program_->ProcessId(), L"QuorvelForm", L"ZORIZED3");
            return main_ && FindProgramWindowOfClass(program_->ProcessId(), L"QuorvelApplication",
                                                     L"Quorvel 3.5");
        })) << "the program never finished starting";
    }
    // Parks the helper and waits for it to hide behind its new icon (the program's own icon
    // is not shown while its window is).
    void Park(HelperWindow& helper, std::size_t iconsThen) {
        SendMessageW(main_, kParkWindowMessage, WPARAM(helper.Handle()), 0);
        WaitUntilParked(helper, iconsThen);
    }
    void WaitUntilParked(HelperWindow& helper, std::size_t iconsThen) {
        ASSERT_TRUE(WaitUntil([&] { return !helper.Visible(); }, 5s)) << "not hidden";
        ASSERT_TRUE(WaitUntil([&] { return TrayIconWindows().size() == iconsThen; }, 5s))
            << "no icon for it";
    }
    // The newest icon is the last one Wine's notification area shows.
    void RightClickNewestIconAndChoose(int item, const std::function<bool()>& chosen) {
        const bool done = ChooseFromMenu(
            program_->ProcessId(),
            [] {
                HWND icon = TrayIconWindows().back();
                PostMessageW(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(8, 8));
                PostMessageW(icon, WM_RBUTTONUP, 0, MAKELPARAM(8, 8));
            },
            item, chosen);
        EXPECT_TRUE(done) << "item " << item << " of the parked icon's menu did nothing";
    }

    ProgramFolder folder_;
    std::optional<RunningProgram> program_;
    HWND main_ = nullptr;
};

TEST_F(WindowParkingTest, AParkedWindowHidesBehindAnIconAndALeftClickBringsItBack) {
    Start();
    HelperWindow helper(L"Parking helper");
    Park(helper, 1);
    HWND icon = TrayIconWindows().front();
    PostMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_TRUE(WaitUntil([&] { return helper.Visible(); }, 5s)) << "not shown again";
    EXPECT_TRUE(WaitUntil([&] { return TrayIconWindows().empty(); }, 5s)) << "icon left";
}

TEST_F(WindowParkingTest, TheIconsMenuMovesToTheTaskBarAndAsksToClose) {
    Start();
    HelperWindow first(L"First helper");
    HelperWindow second(L"Second helper");
    Park(first, 1);
    Park(second, 2);

    RightClickNewestIconAndChoose(2, [&] { return second.Visible(); });  // to the task bar
    // Shown first, then minimised: a second step the helper's thread may not have taken yet.
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(second.Handle()) != FALSE; }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return TrayIconWindows().size() == 1; }, 5s));

    // A window that refuses to close (its user cancelled a "save?") is not lost hidden.
    first.RefuseClose(true);
    RightClickNewestIconAndChoose(3, [&] { return first.CloseRequests() == 1; });  // close
    EXPECT_TRUE(first.Exists());
    EXPECT_TRUE(WaitUntil([&] { return first.Visible(); }, 5s));
    EXPECT_TRUE(WaitUntil([&] { return TrayIconWindows().empty(); }, 5s));
}

TEST_F(WindowParkingTest, WindowsStillParkedAreShownAgainWhenTheProgramEnds) {
    Start();
    HelperWindow first(L"First helper");
    HelperWindow second(L"Second helper");
    Park(first, 1);
    Park(second, 2);
    PostMessageW(main_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program_->WaitForExit(10s).has_value()) << "the program did not end";
    EXPECT_TRUE(first.Visible());
    EXPECT_TRUE(second.Visible());
    EXPECT_TRUE(TrayIconWindows().empty());
}

TEST_F(WindowParkingTest, TheBuiltInActionParksTheWindowInFront) {
    Combination park{"Ctrl+Alt+P"};
    park.plugin = "actions.dll,9";
    Start({park});
    SendMessageW(main_, kBackgroundModeMessage, 0, 0);  // the combinations are on
    ASSERT_FALSE(IsWindowVisible(main_));
    HelperWindow helper(L"Parking helper");
    SetForegroundWindow(helper.Handle());
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == helper.Handle(); }, 5s));
    Press('P', {VK_CONTROL, VK_MENU});
    WaitUntilParked(helper, 2);  // beside the program's own icon
}

}  // namespace
}  // namespace quorvel::e2e
