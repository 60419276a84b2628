// The shell choice on each Windows family, through the session commands, with the real registry
// and files: where the next log-on's shell is stored, and when the session is left alone. Each
// family's own road, NT 4.0's refusal included, is also taken end to end.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "session/session_commands.h"

namespace sd {
namespace {

constexpr const char* kWinlogon = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const std::string kIni = "[boot]\r\nshell=Explorer.exe\r\n";

// The user's Shell value as "type:text", or "" when there is none.
std::string UserShell() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kWinlogon, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "";
    char data[512] = {};
    DWORD type = 0, size = sizeof data - 1;
    const bool found = RegQueryValueExA(key, "Shell", nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == 0;
    RegCloseKey(key);
    return found ? std::to_string(type) + ":" + (type == REG_SZ ? data : "") : "";
}

void PlantUserShell(DWORD type, const std::string& text) {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, kWinlogon, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    const DWORD number = 1;
    if (type == REG_SZ)
        RegSetValueExA(key, "Shell", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), text.size() + 1);
    else
        RegSetValueExA(key, "Shell", 0, type, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
}

// A user whose Winlogon key refuses every change.
struct LockedKey : test::TestPlatform {
    using TestPlatform::TestPlatform;
    bool WriteUserShell(const std::string&) override { return false; }
    bool DeleteUserShell() override { return false; }
};

TEST(ShellChoice, EachFamilyStoresItWhereItsLogOnReadsItOrLeavesTheSessionAlone) {
    using F = WindowsFamily;
    const std::vector<std::string> loggedOff = {"EndSession 0", "ServiceProcess 0", "EndProcess"};
    const std::vector<std::string> refused = {"Message SwiftDash"};
    const struct Case {
        const char* name;
        F family;
        SessionCommandId command;
        DWORD planted;  // REG_NONE: no value before
        bool locked;
        std::string ini, userShell;
        std::vector<std::string> log;
    } cases[] = {
        {"98: system.ini", F::Win9x, SessionCommandId::EnterSwiftDashMode, REG_NONE, false,
         "[boot]\r\nshell=SWIFTD~1\r\n", "", loggedOff},
        {"XP: a number replaced, the path quoted", F::NT2000OrLater, SessionCommandId::EnterSwiftDashMode, REG_DWORD,
         false, kIni, "1:\"C:\\Swift Dash\\SwiftDash.exe\"", loggedOff},
        {"XP, locked key: no switch", F::NT2000OrLater, SessionCommandId::EnterSwiftDashMode, REG_SZ, true,
         kIni, "1:C:\\other.exe", refused},
        {"XP, locked key: no restart", F::NT2000OrLater, SessionCommandId::RestartWindows, REG_SZ, true,
         kIni, "1:C:\\other.exe", refused},
        {"XP, locked key: Close still closes", F::NT2000OrLater, SessionCommandId::CloseSwiftDash, REG_SZ, true,
         kIni, "1:C:\\other.exe",
         {"Message SwiftDash", "Message SwiftDash", "Message SwiftDash", "ServiceProcess 0", "EndProcess"}},
        {"NT 4: nothing to undo on return", F::NT4OrEarlier, SessionCommandId::ReturnToWindows, REG_NONE, false,
         kIni, "", loggedOff},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        folder.Write("system.ini", kIni);
        RegDeleteKeyA(HKEY_CURRENT_USER, kWinlogon);
        if (c.planted != REG_NONE) PlantUserShell(c.planted, "C:\\other.exe");
        Win32PlatformOptions options;
        options.family = c.family;
        std::unique_ptr<test::TestPlatform> platform =
            c.locked ? std::make_unique<LockedKey>(options) : std::make_unique<test::TestPlatform>(options);
        platform->exeDir = c.family == F::Win9x ? folder.path : "C:\\Swift Dash";
        platform->WriteSetting("DisableSwitchMessage", "1");
        Program program{*platform};
        program.vars.ProgramDir = folder.path;
        program.vars.ExeName = "SwiftDash";
        program.vars.ShellMode = true;

        RunSessionCommand(program, c.command);
        EXPECT_EQ(folder.Read("system.ini"), c.ini);
        EXPECT_EQ(UserShell(), c.userShell);
        EXPECT_EQ(platform->log, c.log);
    }
    RegDeleteKeyA(HKEY_CURRENT_USER, kWinlogon);
    test::AppFixture::ClearSettings();
}

}  // namespace
}  // namespace sd
