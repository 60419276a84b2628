// The real Win32 platform on Wine: names the Open dialog refuses, and the rewrite of system.ini on
// real files (its steps are tested on the host).
#include <atomic>
#include <thread>

#include "app_fixture.h"
#include "session/set_shell.h"

namespace sd {
namespace {

// The Open dialog fails before it shows on these names: it must open all the same.
TEST(BrowseForFile, OpensOnANameTheDialogRejects) {
    Win32Platform platform;
    for (const std::string& name : {std::string("C:\\windows\\"), "C:\\" + std::string(300, 'a') + ".exe",
                                   std::string("\"C:\\windows\\notepad.exe\""), std::string("C:\\a<b>|c.exe")}) {
        std::atomic<bool> shown = false, returned = false;
        std::thread closer([&] {
            for (; !returned; Sleep(20)) {
                const HWND dialog = FindWindowA("#32770", "Pick one");
                if (dialog && IsWindowVisible(dialog) && PostMessageA(dialog, WM_CLOSE, 0, 0)) shown = true;
            }
        });
        EXPECT_EQ(platform.BrowseForFile(nullptr, {"Pick one", "", name, ""}), "");
        returned = true;
        closer.join();
        EXPECT_TRUE(shown) << name;
    }
}

// A stale temp file whose attributes refuse an ordinary overwrite or delete is replaced; a
// read-only system.ini is refused with its name. Nothing is left beside it either way.
TEST(ShellFile, ReplacesAStaleTempFileAndRefusesAReadOnlyFile) {
    test::AppFixture f;
    f.Write("temp11.tmp", "stale");
    SetFileAttributesA(f.File("temp11.tmp").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    f.LoadQuietly();
    EXPECT_TRUE(SetShell(f.app->program, "SwiftDash"));
    SetFileAttributesA(f.File("system.ini").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(SetShell(f.app->program, "Explorer.exe"));
    EXPECT_EQ(f.platform.log, test::Log{"Message SwiftDash"});
    EXPECT_EQ(f.platform.messages.at(0).find(f.File("system.ini") + " is read-only"), 0u);
    EXPECT_EQ(f.Read("system.ini"), "[boot]\r\nshell=SwiftDash\r\n");
    const auto files = std::filesystem::directory_iterator(f.folder);
    EXPECT_EQ(std::distance(begin(files), end(files)), 1);
}

}  // namespace
}  // namespace sd
