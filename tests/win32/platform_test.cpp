// The real Win32 platform on Wine: names beyond its buffers, and system.ini's rewrite on both
// replace roads, whatever file step fails.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "session/set_shell.h"
#include "session/shell_line.h"

namespace sd {
namespace {

// Wine 8 crashes on a start whose application name is this long.
TEST(ProgramSteps, NamesBeyondTheBuffersAreNeitherLookedUpNorStarted) {
    Win32Platform platform;
    const std::string tooLong = "C:\\" + std::string(300, 'a');
    EXPECT_EQ(platform.FindAssociatedProgram(tooLong + ".txt"), "");
    EXPECT_FALSE(platform.StartProgram({tooLong + ".exe", "\"" + tooLong + ".exe\""}));
    EXPECT_FALSE(platform.OpenWithShell({tooLong + ".lnk"}));
}

const std::string kOld = "[boot]\r\nshell=Explorer.exe\r\nuser.exe=user.exe\n[x]\r\nShell=x";
const std::string kNew = "[boot]\r\nshell=SwiftDash\r\nuser.exe=user.exe\r\n[x]\r\nshell=SwiftDash\r\n";

// File step number `failingStep` (from 1, over every kind of step) fails, a write half done; with
// `crash` the process is gone from there on, and no later step takes effect either. The prefix
// poses as Windows 98, so the other road's atomic replace is made here.
struct FailingSteps : test::TestPlatform {
    FailingSteps(bool win9x, int failingStep, bool crash)
        : TestPlatform(Win32PlatformOptions{win9x}), win9x(win9x), failingStep(failingStep), crash(crash) {}
    bool ChangeDirectory(const std::string& path) override { return Step() && TestPlatform::ChangeDirectory(path); }
    std::optional<std::string> ReadFileBytes(const std::string& path) override {
        return Step() ? TestPlatform::ReadFileBytes(path) : std::nullopt;
    }
    bool WriteFileBytes(const std::string& path, const std::string& bytes) override {
        if (Step()) return TestPlatform::WriteFileBytes(path, bytes);
        if (steps == failingStep) TestPlatform::WriteFileBytes(path, bytes.substr(0, bytes.size() / 2));
        return false;
    }
    bool RenameFile(const std::string& from, const std::string& to) override {
        return Step() && TestPlatform::RenameFile(from, to);
    }
    bool RemoveFile(const std::string& path) override { return Step() && TestPlatform::RemoveFile(path); }
    ReplaceResult ReplaceFileAtomically(const std::string& from, const std::string& to) override {
        if (win9x) return ReplaceResult::Unsupported;  // no step on that road
        return Step() && MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) ? ReplaceResult::Replaced
                                                                                        : ReplaceResult::Failed;
    }
    bool Step() { return crash ? ++steps < failingStep : ++steps != failingStep; }
    const bool win9x;
    const int failingStep;
    const bool crash;
    int steps = 0;
};

bool Switch(Platform& platform, const test::TempFolder& folder, const std::string& shell) {
    Program program{platform};
    program.vars.ProgramDir = folder.path;
    return SetShell(program, shell);
}

struct FailingShellFile : ::testing::TestWithParam<bool> {};  // true: the Windows 95/98 road

TEST_P(FailingShellFile, AFailureOrACrashAtAnyStepLeavesOldOrNewBytes) {
    for (const bool crash : {false, true}) {
        for (int step = 1; step <= 8; ++step) {
            SCOPED_TRACE((crash ? "crash at step " : "failure of step ") + std::to_string(step));
            test::TempFolder folder;
            folder.Write("system.ini", kOld);
            FailingSteps failing(GetParam(), step, crash);
            const bool written = Switch(failing, folder, "SwiftDash");
            const auto oldOrNew = [&] { return folder.Read("system.ini") == kOld || folder.Read("system.ini") == kNew; };
            EXPECT_TRUE(crash || oldOrNew());  // a process that lives on has put the old file back itself
            // It tells the truth, and says why when it failed.
            EXPECT_EQ(written, folder.Read("system.ini") == kNew);
            EXPECT_EQ(failing.log.size(), written ? 0u : 1u);

            // The next start finds whatever was left, and a later switch completes from there.
            test::TestPlatform next;
            RecoverShellFile(next, ShellFilesIn(folder.path));
            EXPECT_TRUE(oldOrNew());
            EXPECT_FALSE(std::filesystem::exists(folder.File("temp11.bak")));
            Switch(next, folder, "explorer.exe");
            EXPECT_EQ(folder.Read("system.ini"), RewriteShellLines(kOld, "explorer.exe"));
        }
    }
}

// A stale temp file whose attributes refuse an ordinary overwrite or delete is replaced.
TEST(ShellFile, ReplacesAStaleTempFile) {
    test::TempFolder folder;
    test::TestPlatform platform;
    folder.Write("system.ini", kOld);
    folder.Write("temp11.tmp", "stale");
    SetFileAttributesA(folder.File("temp11.tmp").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    Switch(platform, folder, "SwiftDash");
    EXPECT_EQ(folder.Read("system.ini"), kNew);
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp11.tmp")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp11.bak")));
    EXPECT_TRUE(platform.log.empty());
}

INSTANTIATE_TEST_SUITE_P(ReplaceRoads, FailingShellFile, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Win9x" : "Atomic"; });

}  // namespace
}  // namespace sd
