// The portable zip, unpacked into a fresh folder (by run-install-test), is a working
// program folder.
#include <gtest/gtest.h>

#include <cstdlib>

#include "program_driver.h"
#include "recorded_press.h"

namespace quorvel::e2e {
namespace {

namespace fs = std::filesystem;

TEST(PortableZip, UnpackedIntoAFreshFolderStartsAndFiresACombination) {
    const char* unpacked = std::getenv("QUORVEL_PORTABLE_FOLDER");
    ASSERT_NE(unpacked, nullptr) << "run by tests/install/run-install-test";
    const fs::path folder = unpacked;
    const fs::path log = folder / "module.log";
    AddRecordedCombination(folder, log);
    RunningProgram program(folder);
    EXPECT_TRUE(CombinationFires(program, log));
}

}  // namespace
}  // namespace quorvel::e2e
