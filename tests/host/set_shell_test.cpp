// Rewriting system.ini: the result, the missing-file box, and that no failure or crash at any
// step leaves system.ini anything but its old or its new bytes.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "session/set_shell.h"
#include "session/shell_line.h"

namespace sd {
namespace {

const std::string kIni = "C:\\WINDOWS\\system.ini";
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
    fake.files["C:\\WINDOWS\\temp11.tmp"] = "stale";
    Switch(fake, "SwiftDash");
    EXPECT_EQ(fake.files, (std::map<std::string, std::string>{{kIni, kNew}}));
    EXPECT_TRUE(fake.log.empty());
}

TEST_P(SetShellTest, MissingFileOrFolderShowsTheBoxAndCreatesNothing) {
    for (const char* folder : {"C:\\WINDOWS", "C:\\NOWHERE"}) {
        SCOPED_TRACE(folder);
        test::FakePlatform empty;
        Switch(empty, "explorer.exe", folder);
        EXPECT_EQ(empty.log, std::vector<std::string>{"Message SwiftDash"});
        EXPECT_TRUE(empty.files.empty());
    }
}

TEST_P(SetShellTest, AFailureOrACrashAtAnyStepLeavesOldOrNewBytes) {
    for (const bool crash : {false, true}) {
        for (int step = 1; step <= 8; ++step) {
            SCOPED_TRACE((crash ? "crash at step " : "failure of step ") + std::to_string(step));
            test::FakePlatform failing = OldSystem();
            failing.failingStep = step;
            failing.crash = crash;
            Switch(failing, "SwiftDash");
            // A process that lives on has put the old file back itself.
            if (!crash) EXPECT_TRUE(failing.files[kIni] == kOld || failing.files[kIni] == kNew);

            // The next start finds whatever was left, and a later switch completes from there.
            test::FakePlatform next;
            next.files = failing.files;
            RecoverShellFile(next, ShellFilesIn("C:\\WINDOWS"));
            EXPECT_TRUE(next.files[kIni] == kOld || next.files[kIni] == kNew);
            EXPECT_FALSE(next.files.count("C:\\WINDOWS\\temp11.bak"));
            Switch(next, "explorer.exe");
            EXPECT_EQ(next.files[kIni], RewriteShellLines(kOld, "explorer.exe"));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ReplaceRoads, SetShellTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Atomic" : "Win9x"; });

}  // namespace
}  // namespace sd
