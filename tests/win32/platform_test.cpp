// The real settings store and file steps, on Wine's registry and file system.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "session/set_shell.h"

namespace sd {
namespace {

// Reading and writing the settings is proven through the real exe; the type of the values is
// what other readers of the key rely on.
TEST(SettingsStore, ValuesAreStrings) {
    test::ClearSettings();
    Win32Platform().WriteSetting("Version", "130");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\SwiftDash\\Default", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Version", nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    RegCloseKey(key);
    test::ClearSettings();
}

TEST(FileHelpers, ExistenceTestsAndPathsBeyondTheBuffers) {
    test::TempFolder folder;
    folder.Write("a.txt", "x");
    Win32Platform platform;
    EXPECT_TRUE(platform.FileExists(folder.File("a.txt")) && platform.FolderExists(folder.path()));
    EXPECT_FALSE(platform.FolderExists(folder.File("a.txt")) || platform.FileExists(folder.path()));
    EXPECT_FALSE(platform.FileExists("") || platform.FolderExists(""));
    const std::string tooLong = "C:\\" + std::string(300, 'a');
    EXPECT_EQ(platform.FindAssociatedProgram(tooLong + ".txt"), "");
    EXPECT_FALSE(platform.StartProgram({tooLong + ".exe", "\"" + tooLong + ".exe\""}));
}

const std::string kOld = "[boot]\r\nshell=Explorer.exe\r\nuser.exe=user.exe\r\n[x]\r\nk=v";
const std::string kNew = "[boot]\r\nshell=SwiftDash\r\nuser.exe=user.exe\r\n[x]\r\nk=v\r\n";

struct ShellFile : ::testing::TestWithParam<bool> {
    ShellFile() : platform(Win32PlatformOptions{GetParam()}) {
        platform.exeDir = folder.path();
        program.vars.ProgramDir = folder.path();
    }
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
    EXPECT_FALSE(folder.Exists("temp11.tmp"));
    EXPECT_FALSE(folder.Exists("temp11.bak"));
    EXPECT_TRUE(platform.messages.empty());
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
