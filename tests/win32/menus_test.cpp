// The two popup menus in the real menu loop: what they show, and the tray menu's entries
// chosen by keyboard; the file helpers at their limits.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace sd {
namespace {

std::vector<std::string> shown;  // the popup's entries, a submenu's indented; "!" a changed state

void ReadMenu(HMENU menu, const std::string& indent) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char caption[128] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_SUBMENU;
        info.dwTypeData = caption;
        info.cch = sizeof caption - 1;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        const bool separator = info.fType & MFT_SEPARATOR;  // the system greys these itself
        shown.push_back(indent + (separator ? "-" : caption) + (info.fState && !separator ? "!" : ""));
        if (info.hSubMenu) ReadMenu(info.hSubMenu, indent + "  ");
    }
}

// Runs inside the menu's own loop: reads the popup once it shows, then closes it.
void CALLBACK ReadShownMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = FindWindowA("#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) return;
    KillTimer(nullptr, id);
    ReadMenu(reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)), "");
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 1);
}

struct Menus : ::testing::Test, test::AppFixture {};

TEST_F(Menus, BothMenusShowTheirEntriesInOrderEnabledAndUnchecked) {
    LoadShell();
    SetTimer(nullptr, 0, 50, ReadShownMenu);
    app->menu.ShowShellMenu();
    EXPECT_EQ(shown, (std::vector<std::string>{"Open...", "Explorer", "Start Menu", "Desktop", "-",
                                               "About", "Options...", "Exit"}));
    shown.clear();
    SetTimer(nullptr, 0, 50, ReadShownMenu);
    app->menu.ShowTrayMenu();
    EXPECT_EQ(shown, (std::vector<std::string>{"SwiftDash Mode", "-", "Shut Down", "  Shut Down",
                                               "  Restart", "  Log Off", "  Restart in SwiftDash Mode",
                                               "About", "Options...", "Close"}));
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(Menus, TrayMenuEntriesByKeyboardTouchSystemIniOnlyWhenTheySwitch) {
    platform.WriteSetting("Version", "130");
    Load("tray");
    const std::vector<std::string> quit = {"TrayDelete 1", "ServiceProcess 0", "EndProcess"};
    auto then = [&](std::vector<std::string> log) { return log.insert(log.end(), quit.begin(), quit.end()), log; };
    const WPARAM down = VK_DOWN, submenu[] = {VK_DOWN, VK_DOWN, VK_RIGHT};
    const struct { std::vector<WPARAM> keys; bool switches; std::vector<std::string> log; } cases[] = {
        {{down}, true, then({"Message Welcome to Swiftdash", "EndSession 0"})},
        {{}, false, then({"EndSession 1"})},                        // Shut Down, Shut Down
        {{down}, false, then({"EndSession 2"})},                    // Restart
        {{down, down}, false, then({"EndSession 0"})},              // Log Off
        {{VK_UP}, true, then({"EndSession 2"})},                    // Restart in SwiftDash Mode
        {{VK_UP}, false, quit},                                     // Close, in the menu itself
        {{VK_ESCAPE}, false, {}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        folder.Write("system.ini", "[boot]\r\nshell=Explorer.exe\r\n");
        platform.log.clear();
        std::vector<WPARAM> keys(cases[i].keys);
        if (i >= 1 && i <= 4) keys.insert(keys.begin(), std::begin(submenu), std::end(submenu));
        keys.push_back(VK_RETURN);
        for (WPARAM vk : keys) PostMessageA(app->main.hwnd(), WM_KEYDOWN, vk, 1);  // read by the menu loop
        app->menu.ShowTrayMenu();
        EXPECT_EQ(platform.log, cases[i].log);
        EXPECT_EQ(folder.Read("system.ini").find("shell=SwiftDash\r\n") != std::string::npos, cases[i].switches);
    }
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

}  // namespace
}  // namespace sd
