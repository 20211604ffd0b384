#include "settings/autorun.h"

#include <gtest/gtest.h>

#include "base/error.h"
#include "fakes/fake_autorun_registry.h"

namespace quorvel {
namespace {

using Root = AutorunRegistry::Root;

const std::string kProgram = "C:\\Program Files\\Quorvel\\quorvel.exe";
const std::string kCommand = "\"C:\\Program Files\\Quorvel\\quorvel.exe\" AUTO";

TEST(Autorun, SetWritesTheQuotedPathAndAutoForAllUsers) {
    FakeAutorunRegistry registry;
    registry.SetValue(Root::kCurrentUser, "Quorvel", "\"D:\\Old\\quorvel.exe\" AUTO");
    registry.SetValue(Root::kLocalMachine, "Other", "other.exe");
    SetAutorun(registry, kProgram);
    EXPECT_EQ(registry.Value(Root::kLocalMachine, "Quorvel"), kCommand);
    EXPECT_EQ(registry.Value(Root::kLocalMachine, "Other"), "other.exe");
    // A copy left for the current user would start the program twice.
    EXPECT_FALSE(registry.Value(Root::kCurrentUser, "Quorvel"));
}

TEST(Autorun, SetFallsBackToTheCurrentUserWithoutRights) {
    FakeAutorunRegistry registry;
    registry.FailOpen(Root::kLocalMachine);
    SetAutorun(registry, kProgram);
    EXPECT_EQ(registry.Value(Root::kCurrentUser, "Quorvel"), kCommand);

    registry.FailOpen(Root::kCurrentUser);
    registry.SetValue(Root::kCurrentUser, "Quorvel", "stale");
    EXPECT_NO_THROW(SetAutorun(registry, kProgram));  // nowhere to write: passed over
    EXPECT_EQ(registry.Value(Root::kCurrentUser, "Quorvel"), "stale");
}

TEST(Autorun, SetRaisesWhenTheValueCannotBeWritten) {
    FakeAutorunRegistry registry;
    registry.FailWrites(Root::kLocalMachine);
    try {
        SetAutorun(registry, kProgram);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'Quorvel'");
    }
    EXPECT_FALSE(registry.Value(Root::kCurrentUser, "Quorvel"));
}

TEST(Autorun, ClearRemovesBothAndMissingValuesAreNoError) {
    FakeAutorunRegistry registry;
    registry.SetValue(Root::kLocalMachine, "Quorvel", kCommand);
    registry.SetValue(Root::kCurrentUser, "Quorvel", kCommand);
    registry.SetValue(Root::kCurrentUser, "Other", "other.exe");
    ClearAutorun(registry);
    EXPECT_FALSE(registry.Value(Root::kLocalMachine, "Quorvel"));
    EXPECT_FALSE(registry.Value(Root::kCurrentUser, "Quorvel"));
    EXPECT_EQ(registry.Value(Root::kCurrentUser, "Other"), "other.exe");
    EXPECT_NO_THROW(ClearAutorun(registry));

    registry.FailOpen(Root::kLocalMachine);
    registry.SetValue(Root::kCurrentUser, "Quorvel", kCommand);
    EXPECT_NO_THROW(ClearAutorun(registry));
    EXPECT_FALSE(registry.Value(Root::kCurrentUser, "Quorvel"));
}

}  // namespace
}  // namespace quorvel
