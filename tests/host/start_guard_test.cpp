// The crash-loop guard: the count of unfinished shell-mode starts, and giving Explorer back.
#include <gtest/gtest.h>

#include "core/start_guard.h"
#include "fake_platform.h"
#include "shell_window/explorer_fallback.h"

namespace sd {
namespace {

const char kKey[] = "UnfinishedShellStarts";

TEST(StartGuard, GivesUpAfterTwoUnfinishedStartsWhateverTheStoreHolds) {
    const struct { const char* stored; bool giveUp; const char* mark; } cases[] = {
        {"", false, "1"},   {"0", false, "1"},   {"1", false, "2"},  {"1.9", false, "2"},
        {"2", true, "3"},   {"3", true, "3"},    {"1e9", true, "3"}, {"abc", false, "1"},
        {"-7", false, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        const StartDecision decision = DecideShellStart(c.stored);
        EXPECT_EQ(decision.giveUp, c.giveUp);
        EXPECT_EQ(decision.mark, c.mark);
    }
}

TEST(StartGuard, OnlyAMarkedProcessClearsTheMarkWhenItQuits) {
    test::FakePlatform fake;
    for (int start = 0; start < 2; ++start) {  // two starts killed before they got going
        Program killed{fake};
        EXPECT_FALSE(MarkShellStart(killed));
    }
    Program tray{fake};  // a tray run in between neither clears nor counts
    QuitProgram(tray);
    EXPECT_EQ(fake.settings[kKey], "2");

    Program third{fake};
    EXPECT_TRUE(MarkShellStart(third));
    QuitProgram(third);
    EXPECT_EQ(fake.settings[kKey], "0");
}

TEST(StartGuard, GivingUpRestoresExplorerTellsTheUserStartsExplorerAndEnds) {
    test::FakePlatform fake;
    fake.files["C:\\WINDOWS\\system.ini"] = "[boot]\r\nshell=SwiftDash\r\nx=1\r\n";
    fake.settings[kKey] = "2";
    Program program{fake};
    program.vars.ProgramDir = "C:\\WINDOWS";
    program.vars.ShellMode = true;
    ASSERT_TRUE(MarkShellStart(program));
    GiveExplorerBack(program);
    EXPECT_EQ(fake.files["C:\\WINDOWS\\system.ini"], "[boot]\r\nshell=explorer.exe\r\nx=1\r\n");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kGaveUpText);
    EXPECT_EQ(fake.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(fake.log, (std::vector<std::string>{"Message SwiftDash", "Start explorer.exe",
                                                  "ServiceProcess 0", "EndProcess"}));
    EXPECT_EQ(fake.settings[kKey], "0");
}

}  // namespace
}  // namespace sd
