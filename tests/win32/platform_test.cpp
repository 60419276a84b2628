// The real Win32 platform on Wine: names beyond its buffers, and a rewrite of system.ini past a
// stale temp file. The order of the rewrite's steps is tested on the host.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "session/set_shell.h"

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

const std::string kOld = "[boot]\r\nshell=Explorer.exe\r\n";

// A stale temp file whose attributes refuse an ordinary overwrite or delete is replaced.
TEST(ShellFile, ReplacesAStaleTempFile) {
    test::TempFolder folder;
    test::TestPlatform platform;
    folder.Write("system.ini", kOld);
    folder.Write("temp11.tmp", "stale");
    SetFileAttributesA(folder.File("temp11.tmp").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    Program program{platform};
    program.vars.ProgramDir = folder.path;
    EXPECT_TRUE(SetShell(program, "SwiftDash"));
    EXPECT_EQ(folder.Read("system.ini"), "[boot]\r\nshell=SwiftDash\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp11.tmp")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp11.bak")));
    EXPECT_TRUE(platform.log.empty());
}

}  // namespace
}  // namespace sd
