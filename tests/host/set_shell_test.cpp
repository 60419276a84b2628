// Rewriting system.ini: the result, the missing-file box, and that no failure or crash at any
// step leaves system.ini anything but its old or its new bytes.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "session/set_shell.h"
#include "session/shell_line.h"

namespace sd {
namespace {

const std::string kIni = "C:\\WINDOWS\\system.ini";
const std::string kTemp = "C:\\WINDOWS\\temp11.tmp";
const std::string kOld = "[boot]\r\nshell=Explorer.exe\r\nmouse.drv=mouse.drv\n\r\n[386Enh]\r\nShell=x";
const std::string kNew = "[boot]\r\nshell=SwiftDash\r\nmouse.drv=mouse.drv\r\n\r\n[386Enh]\r\nshell=SwiftDash\r\n";

// Switches the shell of the program in `folder` on the system given.
void Switch(test::FakePlatform& system, const std::string& shell, const char* folder = "C:\\WINDOWS") {
    Program program{system};
    program.vars.ProgramDir = folder;
    SetShell(program, shell);
}

struct SetShellTest : ::testing::TestWithParam<bool> {
    // A system on this test's replace road whose system.ini holds the old bytes.
    test::FakePlatform OldSystem() {
        test::FakePlatform system;
        system.atomicReplace = GetParam();
        system.files[kIni] = kOld;
        return system;
    }
};

TEST_P(SetShellTest, ReplacesTheFileAndLeavesNoTempBehind) {
    test::FakePlatform fake = OldSystem();
    fake.files[kTemp] = "stale";
    Switch(fake, "SwiftDash");
    EXPECT_EQ(fake.files[kIni], kNew);
    EXPECT_EQ(fake.files.size(), 1u);
    EXPECT_TRUE(fake.messages.empty());
}

TEST_P(SetShellTest, MissingFileOrFolderShowsTheStopBoxAndCreatesNothing) {
    for (const char* folder : {"C:\\WINDOWS", "C:\\NOWHERE"}) {
        SCOPED_TRACE(folder);
        test::FakePlatform empty;
        Switch(empty, "explorer.exe", folder);
        ASSERT_EQ(empty.messages.size(), 1u);
        EXPECT_EQ(empty.messages[0].text,
                  "Unable to find system.ini file. Please make sure you are running SwiftDash from "
                  "windows directory.");
        EXPECT_EQ(empty.messages[0].title, "SwiftDash");
        EXPECT_EQ(empty.messages[0].icon, MsgIcon::Stop);
        EXPECT_TRUE(empty.files.empty());
    }
}

TEST_P(SetShellTest, EveryFailingStepLeavesOldOrNewBytes) {
    for (const char* step : {"ReadFileBytes", "WriteFileBytes", "RenameFile", "RemoveFile",
                             "ReplaceFileAtomically", "ChangeDirectory"}) {
        for (int n = 1; n <= 3; ++n) {
            SCOPED_TRACE(std::string(step) + " call " + std::to_string(n));
            test::FakePlatform failing = OldSystem();
            failing.FailCall(step, n);
            Switch(failing, "SwiftDash");
            ASSERT_TRUE(failing.files.count(kIni));
            const std::string& now = failing.files[kIni];
            EXPECT_TRUE(now == kOld || now == kNew) << now;
        }
    }
}

TEST_P(SetShellTest, CrashAtAnyPointIsRecoverable) {
    for (int changes = 0; changes <= 6; ++changes) {
        SCOPED_TRACE("crash after " + std::to_string(changes) + " file changes");
        test::FakePlatform dying = OldSystem();
        dying.changesBeforeCrash = changes;
        Switch(dying, "SwiftDash");

        // The next start finds whatever the crash left.
        test::FakePlatform next;
        next.files = dying.files;
        RecoverShellFile(next, ShellFilesIn("C:\\WINDOWS"));
        ASSERT_TRUE(next.files.count(kIni));
        EXPECT_TRUE(next.files[kIni] == kOld || next.files[kIni] == kNew);
        EXPECT_FALSE(next.files.count("C:\\WINDOWS\\temp11.bak"));

        // And a later switch completes normally from there.
        Switch(next, "explorer.exe");
        EXPECT_EQ(next.files[kIni], RewriteShellLines(kOld, "explorer.exe"));
    }
}

INSTANTIATE_TEST_SUITE_P(ReplaceRoads, SetShellTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Atomic" : "Win9x"; });

}  // namespace
}  // namespace sd
