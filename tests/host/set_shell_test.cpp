// Rewriting system.ini: no failure or crash at any step leaves anything but old or new bytes.
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "session/set_shell.h"
#include "session/shell_line.h"

namespace sd {
namespace {

const std::string kIni = "C:\\WINDOWS\\system.ini";
const std::string kOld = "[boot]\r\nshell=Explorer.exe\r\nmouse.drv=mouse.drv\n\r\n[386Enh]\r\nShell=x";
const std::string kNew = "[boot]\r\nshell=SwiftDash\r\nmouse.drv=mouse.drv\r\n\r\n[386Enh]\r\nshell=SwiftDash\r\n";

// Switches the shell of the program in C:\WINDOWS on the system given.
void Switch(test::FakePlatform& system, const std::string& shell) {
    Program program{system};
    program.vars.ProgramDir = "C:\\WINDOWS";
    SetShell(program, shell);
}

struct SetShellTest : ::testing::TestWithParam<bool> {};  // true: the atomic replace road

TEST_P(SetShellTest, AFailureOrACrashAtAnyStepLeavesOldOrNewBytes) {
    for (const bool crash : {false, true}) {
        for (int step = 1; step <= 8; ++step) {
            SCOPED_TRACE((crash ? "crash at step " : "failure of step ") + std::to_string(step));
            test::FakePlatform failing;
            failing.atomicReplace = GetParam();
            failing.files[kIni] = kOld;
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
