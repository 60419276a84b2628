// The real Win32 platform on Wine: names beyond its buffers, system.ini on both replace roads.
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
}

const std::string kOld = "[boot]\r\nshell=Explorer.exe\r\nuser.exe=user.exe\r\n[x]\r\nk=v";
const std::string kNew = "[boot]\r\nshell=SwiftDash\r\nuser.exe=user.exe\r\n[x]\r\nk=v\r\n";

struct ShellFile : ::testing::TestWithParam<bool> {
    ShellFile() : platform(Win32PlatformOptions{GetParam()}) { program.vars.ProgramDir = folder.path; }
    test::TempFolder folder;
    test::TestPlatform platform;
    Program program{platform};
};

TEST_P(ShellFile, RewritesInPlaceOfTheOldFileAndCleansUp) {
    folder.Write("system.ini", kOld);
    // A stale temp file whose attributes refuse an ordinary overwrite or delete.
    folder.Write("temp11.tmp", "stale");
    SetFileAttributesA(folder.File("temp11.tmp").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    SetShell(program, "SwiftDash");
    EXPECT_EQ(folder.Read("system.ini"), kNew);
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp11.tmp")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("temp11.bak")));
    EXPECT_TRUE(platform.log.empty());
}

TEST_P(ShellFile, ReadOnlyFileIsLeftAlone) {
    folder.Write("system.ini", kOld);
    SetFileAttributesA(folder.File("system.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    SetShell(program, "SwiftDash");
    EXPECT_EQ(folder.Read("system.ini"), kOld);
    EXPECT_TRUE(GetFileAttributesA(folder.File("system.ini").c_str()) & FILE_ATTRIBUTE_READONLY);
}

INSTANTIATE_TEST_SUITE_P(ReplaceRoads, ShellFile, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Win9x" : "NT"; });

}  // namespace
}  // namespace sd
