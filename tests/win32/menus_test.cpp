// The tray menu chosen by keyboard in the real popup-menu loop, and the file helpers' limits.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace sd {
namespace {

const char kIni[] = "[boot]\r\nshell=Explorer.exe\r\n";

// The entries of the popup on screen, a submenu's indented; "!" marks a changed state.
std::vector<std::string> shown;

void ReadMenu(HMENU menu, const std::string& indent) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char caption[128] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_SUBMENU;
        info.dwTypeData = caption;
        info.cch = sizeof caption - 1;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        const bool separator = info.fType & MFT_SEPARATOR;  // shown grey by the system
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

struct Menus : ::testing::Test, test::AppFixture {
    // Keys queued before the menu opens; its loop reads them as the user's.
    void Queue(const std::vector<WPARAM>& keys) {
        for (WPARAM vk : keys) {
            PostMessageA(app->main.hwnd(), WM_KEYDOWN, vk, 1);
            PostMessageA(app->main.hwnd(), WM_KEYUP, vk, 0xC0000001);
        }
    }
};

TEST_F(Menus, TrayMenuEntriesEndTheSessionOrTheProgramAndTouchSystemIniOnlyWhenSaid) {
    platform.WriteSetting("Version", "130");
    Load("tray");
    const std::vector<std::string> quit = {"TrayDelete 1", "ServiceProcess 0", "EndProcess"};
    auto then = [&](std::vector<std::string> first) {
        first.insert(first.end(), quit.begin(), quit.end());
        return first;
    };
    const struct { const char* entry; std::vector<WPARAM> keys; const char* shell; std::vector<std::string> log; } cases[] = {
        {"SwiftDash Mode", {VK_DOWN, VK_RETURN}, "shell=SwiftDash",
         then({"Message Welcome to Swiftdash", "EndSession 0"})},
        {"Shut Down", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, nullptr, then({"EndSession 1"})},
        {"Restart", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, nullptr, then({"EndSession 2"})},
        {"Log Off", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}, nullptr, then({"EndSession 0"})},
        {"Restart in SwiftDash Mode", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN}, "shell=SwiftDash",
         then({"EndSession 2"})},
        {"Close", {VK_UP, VK_RETURN}, nullptr, quit},
        {"nothing (Escape)", {VK_ESCAPE}, nullptr, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        folder.Write("system.ini", kIni);
        platform.log.clear();
        Queue(c.keys);
        app->menu.ShowTrayMenu();
        EXPECT_EQ(platform.log, c.log);
        const std::string ini = folder.Read("system.ini");
        if (c.shell)
            EXPECT_NE(ini.find(std::string(c.shell) + "\r\n"), std::string::npos) << ini;
        else
            EXPECT_EQ(ini, kIni);
    }
    EXPECT_FALSE(IsWindowVisible(app->menu.hwnd()));
}

TEST_F(Menus, BothMenusShowTheirEntriesInOrderEnabledAndUnchecked) {
    LoadShell();
    const struct { void (frmMenu::*show)(); std::vector<std::string> entries; } menus[] = {
        {&frmMenu::ShowShellMenu,
         {"Open...", "Explorer", "Start Menu", "Desktop", "-", "About", "Options...", "Exit"}},
        {&frmMenu::ShowTrayMenu,
         {"SwiftDash Mode", "-", "Shut Down", "  Shut Down", "  Restart", "  Log Off",
          "  Restart in SwiftDash Mode", "About", "Options...", "Close"}},
    };
    for (const auto& menu : menus) {
        shown.clear();
        SetTimer(nullptr, 0, 50, ReadShownMenu);
        (app->menu.*menu.show)();
        EXPECT_EQ(shown, menu.entries);
    }
    EXPECT_TRUE(platform.log.empty());
}

TEST(FileHelpers, ExistenceTestsAndPathsBeyondTheBuffers) {
    test::TempFolder folder;
    folder.Write("a.txt", "x");
    Win32Platform platform;
    EXPECT_TRUE(platform.FileExists(folder.File("a.txt")));
    EXPECT_FALSE(platform.FolderExists(folder.File("a.txt")));
    EXPECT_TRUE(platform.FolderExists(folder.path()));
    EXPECT_FALSE(platform.FileExists(folder.path()));
    EXPECT_FALSE(platform.FileExists("") || platform.FolderExists(""));
    const std::string tooLong = "C:\\" + std::string(300, 'a');
    EXPECT_EQ(platform.FindAssociatedProgram(tooLong + ".txt"), "");
    EXPECT_FALSE(platform.StartProgram({tooLong + ".exe", "\"" + tooLong + ".exe\""}));
}

}  // namespace
}  // namespace sd
