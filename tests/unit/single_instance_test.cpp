#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

namespace quorvel {
namespace {

struct FakeInstanceSystem : InstanceSystem {
    bool signalled = true;
    bool answers = true;  // false: the running instance does not handle the message in time
    std::map<std::string, std::uintptr_t> windows;
    std::vector<std::string> calls;

    bool ClaimEvent(const std::string& name, int timeout) override {
        calls.push_back("claim " + name + " " + std::to_string(timeout));
        return signalled;
    }
    std::uintptr_t FindTopLevelWindow(const std::string& title) override {
        calls.push_back("find " + title);
        auto it = windows.find(title);
        return it == windows.end() ? 0 : it->second;
    }
    void ShowWindow(std::uintptr_t window) override {
        calls.push_back("show " + std::to_string(window));
    }
    void BringToForeground(std::uintptr_t window) override {
        calls.push_back("foreground " + std::to_string(window));
    }
    bool SendToWindow(std::uintptr_t window, unsigned message, std::uintptr_t wParam,
                      std::intptr_t lParam, int timeout) override {
        calls.push_back("send " + std::to_string(window) + " " + std::to_string(message) + " " +
                        std::to_string(wParam) + " " + std::to_string(lParam));
        timeouts.push_back(timeout);
        return answers;
    }
    std::vector<int> timeouts;
};

TEST(SingleInstance, TheFirstInstanceClaimsTheEventAndTouchesNoWindow) {
    FakeInstanceSystem system;
    EXPECT_TRUE(ClaimFirstInstance(system));
    EXPECT_EQ(system.calls, std::vector<std::string>{"claim RIVAVIZE3 10"});
}

TEST(SingleInstance, ASecondInstanceWakesTheRunningOneAndLeavesBackgroundMode) {
    FakeInstanceSystem system;
    system.signalled = false;
    system.windows = {{"Quorvel 3.5", 11}, {"ZORIZED3", 22}};
    EXPECT_FALSE(ClaimFirstInstance(system));
    const std::vector<std::string> expected{
        "claim RIVAVIZE3 10", "find Quorvel 3.5", "show 11",
        "find ZORIZED3",      "foreground 22",    "send 22 1158 1 0"};
    EXPECT_EQ(system.calls, expected);
}

// A hung running instance must not hang the second start: the wait has a bound of a few
// seconds, and a message that is not answered changes nothing about how the start ends.
TEST(SingleInstance, ASecondStartWaitsForAHungInstanceOnlyABoundedTime) {
    FakeInstanceSystem system;
    system.signalled = false;
    system.answers = false;
    system.windows = {{"Quorvel 3.5", 11}, {"ZORIZED3", 22}};
    EXPECT_FALSE(ClaimFirstInstance(system));
    EXPECT_EQ(system.calls.back(), "send 22 1158 1 0");
    ASSERT_EQ(system.timeouts.size(), 1u);
    EXPECT_GT(system.timeouts[0], 0);
    EXPECT_LE(system.timeouts[0], 5000);
    EXPECT_EQ(system.timeouts[0], kWakeTimeoutMilliseconds);
}

TEST(SingleInstance, ASecondStartDuringStartUpStillWakesTheMainWindow) {
    FakeInstanceSystem system;
    system.signalled = false;
    system.windows = {{"ZORIZED3", 22}};  // the title is still "Quorvel started ..."
    EXPECT_FALSE(ClaimFirstInstance(system));
    EXPECT_EQ(system.calls.back(), "send 22 1158 1 0");
    EXPECT_EQ(std::count(system.calls.begin(), system.calls.end(), "show 0"), 0);
}

TEST(SingleInstance, NoRunningWindowEndsQuietly) {
    FakeInstanceSystem system;
    system.signalled = false;
    EXPECT_FALSE(ClaimFirstInstance(system));
    EXPECT_EQ(system.calls.size(), 3u);  // claim and two searches, nothing else
}

}  // namespace
}  // namespace quorvel
