// Tray mode: what the notification icon's messages do, and the icon coming back when the
// notification area is rebuilt.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace sd {
namespace {

struct TrayIcon : ::testing::Test, test::AppFixture {
    TrayIcon() {
        platform.WriteSetting("Version", "130");
        platform.WriteSetting("DisableSwitchMessage", "1");
        Load("tray");
        platform.log.clear();
    }
    // What the notification area sends when `mouse` happens on the icon.
    void Icon(UINT mouse) { SendMessageA(app->main.iconPic(), kTrayCallbackMessage, kTrayIconId, mouse); }
    void DoubleClick() {
        for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Icon(mouse);
    }
};

TEST_F(TrayIcon, ADoubleClickAsksOnceAndNoLeavesEverything) {
    platform.answers = {MsgAnswer::No};
    DoubleClick();
    for (UINT other : {WM_MOUSEMOVE, WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK}) Icon(other);
    // A real mouse move whose x is the double-click's number is no icon message.
    SendMessageA(app->main.iconPic(), WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONDBLCLK, 0));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Are you sure you want to enter SwiftDash mode?");
    EXPECT_EQ(platform.messages[0].title, "SwiftDash");
    EXPECT_EQ(platform.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.log, std::vector<std::string>{"Message SwiftDash"});
    EXPECT_EQ(folder.Read("system.ini"), "[boot]\r\nshell=Explorer.exe\r\n");
}

TEST_F(TrayIcon, YesSwitchesLogsOffAndRemovesTheIcon) {
    DoubleClick();
    EXPECT_EQ(folder.Read("system.ini"), "[boot]\r\nshell=SwiftDash\r\n");
    EXPECT_EQ(platform.log, (std::vector<std::string>{"Message SwiftDash", "EndSession 0", "TrayDelete 1",
                                                      "ServiceProcess 0", "EndProcess"}));
}

TEST_F(TrayIcon, ARebuiltNotificationAreaGetsTheIconBackInTrayModeOnly) {
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    SendMessageA(app->main.hwnd(), taskbarCreated, 0, 0);
    EXPECT_EQ(platform.log, std::vector<std::string>{"TrayAdd 1 32769 SwiftDash tray icon"});

    LoadShell();
    SendMessageA(app->main.hwnd(), taskbarCreated, 0, 0);
    EXPECT_TRUE(platform.log.empty());
}

}  // namespace
}  // namespace sd
