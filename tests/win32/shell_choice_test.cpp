// The user's own shell value in the real registry. Where each Windows family keeps the choice
// is tested on the host, and each family's switch end to end.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace sd {
namespace {

constexpr const char* kWinlogon = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

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

// A Shell value that is a number, not text.
void PlantNumberShell() {
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, kWinlogon, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    const DWORD number = 1;
    RegSetValueExA(key, "Shell", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
}

// The user's own shell value is written as text over whatever type it had, and deleted on the
// way back.
TEST(UserShell, ReplacesAValueOfAnotherTypeAndIsDeletedOnReturn) {
    RegDeleteKeyA(HKEY_CURRENT_USER, kWinlogon);
    PlantNumberShell();
    Win32Platform platform;
    EXPECT_TRUE(platform.WriteUserShell("\"C:\\Swift Dash\\SwiftDash.exe\""));
    EXPECT_EQ(UserShell(), "1:\"C:\\Swift Dash\\SwiftDash.exe\"");
    EXPECT_TRUE(platform.DeleteUserShell());
    EXPECT_EQ(UserShell(), "");
    RegDeleteKeyA(HKEY_CURRENT_USER, kWinlogon);
}

}  // namespace
}  // namespace sd
