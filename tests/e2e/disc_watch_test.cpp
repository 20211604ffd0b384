// The disc watch of the real program on Wine's CD drive D: (made by the test harness; its
// disc is the folder C:\cdrom-d): the tray icon's pixels change as a disc comes and goes,
// and move while the animation is asked for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

#include "base/window_messages.h"
#include "program_driver.h"
#include "screen_capture.h"
#include "window_search.h"

namespace quorvel::e2e {
namespace {

using namespace std::chrono_literals;

const std::filesystem::path kDisc = L"C:\\cdrom-d";

// What the screen shows of a window.
std::vector<std::uint8_t> Pixels(HWND window) {
    return CaptureRect(WindowRect(window)).rgb;
}

// Two pictures of the icon that show the same image: Wine blends a new icon's soft edges
// over the one before, so the same image is not always the same bytes.
bool Alike(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (a.empty() || a.size() != b.size()) return false;
    long difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) difference += std::abs(int(a[i]) - int(b[i]));
    return difference < long(a.size()) * 4;  // on average less than 4 of 255 per channel
}

class DiscWatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::remove_all(kDisc);
        ASSERT_EQ(GetDriveTypeW(L"D:\\"), UINT(DRIVE_CDROM)) << "the harness makes D: a CD drive";
        folder_.SetOption(L"TRAY", L"DISKINDRIVE", L"-1");
        folder_.SetOption(L"TRAY", L"DRIVE", L"D:");
        folder_.SetOption(L"TRAY", L"ANIMATION", L"0");
    }
    void TearDown() override { std::filesystem::remove_all(kDisc); }

    // Starts the program and sends it to the tray; the icon's window.
    HWND StartInTray() {
        program_.emplace(folder_);
        HWND main = WaitForMainWindow(*program_);
        if (!main) return nullptr;
        PostMessageW(main, kBackgroundModeMessage, 0, 0);
        EXPECT_TRUE(WaitUntil([] { return TrayIconWindows().size() == 1; }));
        if (TrayIconWindows().empty()) return nullptr;
        HWND icon = TrayIconWindows().front();
        // Without a desktop's notification area Wine keeps its own one hidden.
        ShowWindow(GetParent(icon), SW_SHOWNOACTIVATE);
        return icon;
    }
    // The icon once it has shown the same picture for a while (the watch looks once a
    // second, so a picture that holds over two checks is the one it chose).
    std::vector<std::uint8_t> Settled(HWND icon, const std::vector<std::uint8_t>& notThis = {}) {
        std::vector<std::uint8_t> last;
        auto since = std::chrono::steady_clock::now();
        EXPECT_TRUE(WaitUntil(
            [&] {
                std::vector<std::uint8_t> now = Pixels(icon);
                if (now != last || Alike(now, notThis)) {
                    last = std::move(now);
                    since = std::chrono::steady_clock::now();
                    return false;
                }
                return std::chrono::steady_clock::now() - since > 2500ms;
            },
            20s));
        return last;
    }

    ProgramFolder folder_;
    std::optional<RunningProgram> program_;
};

TEST_F(DiscWatchTest, TheTrayIconShowsADiscComingAndGoingAndAnimatesWhenAsked) {
    HWND icon = StartInTray();
    ASSERT_NE(icon, nullptr);
    const std::vector<std::uint8_t> noDisc = Settled(icon);

    std::filesystem::create_directory(kDisc);
    const std::vector<std::uint8_t> disc = Settled(icon, noDisc);
    EXPECT_FALSE(Alike(disc, noDisc));

    std::filesystem::remove_all(kDisc);
    EXPECT_TRUE(WaitUntil([&] { return Alike(Pixels(icon), noDisc); }, 5s)) << "no disc not shown";

    // A hand edit counts at the next check: with the animation on, the icon keeps moving.
    folder_.SetOption(L"TRAY", L"ANIMATION", L"-1");
    std::filesystem::create_directory(kDisc);
    std::set<std::vector<std::uint8_t>> seen;
    EXPECT_TRUE(WaitUntil(
        [&] {
            seen.insert(Pixels(icon));
            return seen.size() >= 4;
        },
        10s))
        << "the icon did not animate";
}

}  // namespace
}  // namespace quorvel::e2e
