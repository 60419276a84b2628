// The crash-loop guard's count of shell-mode starts that never got going.
#include <gtest/gtest.h>

#include "core/start_guard.h"
#include "fake_platform.h"

namespace sd {
namespace {

TEST(StartGuard, GivesUpAfterTwoUnfinishedStartsWhateverTheStoreHolds) {
    const struct { const char* stored; bool giveUp; const char* mark; } cases[] = {
        {"", false, "1"}, {"1.9", false, "2"}, {"2", true, "3"},
        {"1e9", true, "3"}, {"abc", false, "1"}, {"-7", false, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const StartDecision decision = DecideShellStart(c.stored);
        EXPECT_EQ(decision.giveUp, c.giveUp);
        EXPECT_EQ(decision.mark, c.mark);
    }
}

TEST(StartGuard, ARunThatMarkedNoStartLeavesTheCountAlone) {
    test::FakePlatform fake;
    fake.settings["UnfinishedShellStarts"] = "2";
    Program tray{fake};
    QuitProgram(tray);
    EXPECT_EQ(fake.settings["UnfinishedShellStarts"], "2");
}

}  // namespace
}  // namespace sd
