// Tray mode: the notification icon's messages, and the tray menu's entries chosen by keyboard.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace sd {
namespace {

TEST(TrayIcon, OnlyADoubleClickAsksAndShellModeAddsNoIconOnARebuild) {
    test::AppFixture f;
    f.Load("tray");
    f.platform.log.clear();
    f.platform.answers = {MsgAnswer::No};
    // What the notification area sends for a double-click and a right release on the icon.
    for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_RBUTTONUP})
        SendMessageA(f.app->main.iconPic(), kTrayCallbackMessage, kTrayIconId, mouse);
    // A real mouse move whose x is the double-click's number is no icon message.
    SendMessageA(f.app->main.iconPic(), WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONDBLCLK, 0));
    EXPECT_EQ(f.platform.log, std::vector<std::string>{"Message SwiftDash"});

    f.LoadShell();
    SendMessageA(f.app->main.hwnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(f.platform.log.empty());
}

// The shell menu, the tray menu's About and Close and its switch are proven through the real
// exe; here, one session entry, which differs from its neighbours only by its row of the menu
// tree, and a menu left with no entry chosen.
TEST(TrayMenu, EntriesByKeyboardRunTheirHandlerOnly) {
    test::AppFixture f;
    f.Load("tray");
    const std::string boot = "[boot]\r\nshell=Explorer.exe\r\n";  // kept as it is
    const WPARAM down = VK_DOWN;
    // What each entry logs before the quit: TrayDelete 1, ServiceProcess 0, EndProcess.
    const struct { std::vector<WPARAM> keys; std::vector<std::string> log; } cases[] = {
        {{down, down, VK_RIGHT, down, down}, {"LogOff"}},  // Session, Log Off
        {{VK_ESCAPE}, {}},                                        // no entry, no quit
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        f.folder.Write("system.ini", boot);
        f.platform.log.clear();
        // Read by the menu loop.
        for (WPARAM vk : cases[i].keys) PostMessageA(f.app->main.hwnd(), WM_KEYDOWN, vk, 1);
        PostMessageA(f.app->main.hwnd(), WM_KEYDOWN, VK_RETURN, 1);
        f.app->menu.ShowTrayMenu();
        std::vector<std::string> log = cases[i].log;
        if (!log.empty()) log.insert(log.end(), {"TrayDelete 1", "ServiceProcess 0", "EndProcess"});
        EXPECT_EQ(f.platform.log, log);
        EXPECT_EQ(f.folder.Read("system.ini"), boot);
    }
}

}  // namespace
}  // namespace sd
