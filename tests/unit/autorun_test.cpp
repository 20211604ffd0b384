#include "settings/autorun.h"

#include <gtest/gtest.h>

#include "../fakes/fake_autorun_registry.h"
#include "base/error.h"

namespace quorvel {
namespace {

using Root = AutorunRegistry::Root;

const std::string kProgram = "C:\\Program Files\\Quorvel\\quorvel.exe";
const std::string kCommand = "\"C:\\Program Files\\Quorvel\\quorvel.exe\" AUTO";

TEST(Autorun, SetWritesTheQuotedPathAndAutoForAllUsers) {
    FakeAutorunRegistry registry;
    registry.SetValue(Root::CurrentUser, "Quorvel", "\"D:\\Old\\quorvel.exe\" AUTO");
    registry.SetValue(Root::LocalMachine, "Other", "other.exe");
    SetAutorun(registry, kProgram);
    EXPECT_EQ(registry.Value(Root::LocalMachine, "Quorvel"), kCommand);
    EXPECT_EQ(registry.Value(Root::LocalMachine, "Other"), "other.exe");
    // A copy left for the current user would start the program twice.
    EXPECT_FALSE(registry.Value(Root::CurrentUser, "Quorvel"));
}

TEST(Autorun, SetFallsBackToTheCurrentUserWithoutRights) {
    FakeAutorunRegistry registry;
    registry.FailOpen(Root::LocalMachine);
    SetAutorun(registry, kProgram);
    EXPECT_EQ(registry.Value(Root::CurrentUser, "Quorvel"), kCommand);

    registry.FailOpen(Root::CurrentUser);
    registry.SetValue(Root::CurrentUser, "Quorvel", "stale");
    EXPECT_NO_THROW(SetAutorun(registry, kProgram));  // nowhere to write: passed over
    EXPECT_EQ(registry.Value(Root::CurrentUser, "Quorvel"), "stale");
}

TEST(Autorun, SetRaisesWhenTheValueCannotBeWritten) {
    FakeAutorunRegistry registry;
    registry.FailWrites(Root::LocalMachine);
    try {
        SetAutorun(registry, kProgram);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'Quorvel'");
    }
    EXPECT_FALSE(registry.Value(Root::CurrentUser, "Quorvel"));
}

TEST(Autorun, ClearRemovesBothAndMissingValuesAreNoError) {
    FakeAutorunRegistry registry;
    registry.SetValue(Root::LocalMachine, "Quorvel", kCommand);
    registry.SetValue(Root::CurrentUser, "Quorvel", kCommand);
    registry.SetValue(Root::CurrentUser, "Other", "other.exe");
    ClearAutorun(registry);
    EXPECT_FALSE(registry.Value(Root::LocalMachine, "Quorvel"));
    EXPECT_FALSE(registry.Value(Root::CurrentUser, "Quorvel"));
    EXPECT_EQ(registry.Value(Root::CurrentUser, "Other"), "other.exe");
    EXPECT_NO_THROW(ClearAutorun(registry));

    registry.FailOpen(Root::LocalMachine);
    registry.SetValue(Root::CurrentUser, "Quorvel", kCommand);
    EXPECT_NO_THROW(ClearAutorun(registry));
    EXPECT_FALSE(registry.Value(Root::CurrentUser, "Quorvel"));
}

}  // namespace
}  // namespace quorvel
