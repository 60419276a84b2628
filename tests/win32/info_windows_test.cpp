// The About dialog and the System Information window.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "captions_fit.h"
#include "info_windows/info_controls.h"

namespace sd {
namespace {

struct InfoWindows : ::testing::Test, test::AppFixture {
    InfoWindows() { LoadShell(); }
    // A key pressed on the focused control, through the one message loop.
    void Key(WPARAM key) {
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) app->host.PumpMessage();
    }
    static std::string Text(HWND hwnd) {
        char text[128] = {};
        GetWindowTextA(hwnd, text, sizeof text);
        return text;
    }
    static RECT RectIn(HWND child, HWND parent) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
};

TEST_F(InfoWindows, AboutOpensOnceWithOkFocusedAndCaptionsThatFit) {
    app->about.Show();
    const HWND about = app->about.hwnd();
    app->dialogs.about.Show();
    EXPECT_EQ(app->about.hwnd(), about);
    EXPECT_EQ(Text(about), "About SwiftDash");
    RECT client;
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, TwipsToPixels(kAboutClientWidthTwips, app->host.dpi()));
    EXPECT_EQ(client.bottom, TwipsToPixels(kAboutClientHeightTwips, app->host.dpi()));
    EXPECT_EQ(GetFocus(), app->about.Control("cmdOK"));
    test::ExpectCaptionsFit(about);

    const RECT icon = RectIn(app->about.Control("Image1"), about);
    EXPECT_EQ(icon.left, TwipsToPixels(240, app->host.dpi()));
    EXPECT_EQ(icon.right - icon.left, GetSystemMetrics(SM_CXICON));
}

TEST_F(InfoWindows, EscAndEnterCloseAbout) {
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        SCOPED_TRACE(key);
        app->about.Show();
        Key(key);
        EXPECT_FALSE(app->about.IsLoaded());
        EXPECT_FALSE(app->sysInfo.IsLoaded());
    }
}

TEST_F(InfoWindows, SysInfoReplacesAboutShowsZerosThenFiguresEveryTenthOfASecond) {
    app->about.Show();
    SendMessageA(app->about.hwnd(), WM_COMMAND,
                 ControlId(ControlIndex(kAboutControls, "cmdSysInfo")), 0);
    EXPECT_FALSE(app->about.IsLoaded());
    ASSERT_TRUE(app->sysInfo.IsVisible());
    EXPECT_EQ(Text(app->sysInfo.hwnd()), "System Information");
    const char* values[] = {"lblMemoryLoad", "lblTotalPhys", "lblAvailPhys"};
    for (const char* value : values) EXPECT_EQ(Text(app->sysInfo.Control(value)), "0") << value;

    // The first tick comes from the window's own timer.
    const DWORD start = GetTickCount();
    while (Text(app->sysInfo.Control("lblTotalPhys")) == "0" && GetTickCount() - start < 5000)
        app->host.PumpMessage();
    EXPECT_LT(GetTickCount() - start, 1000u);
    const std::string total = Text(app->sysInfo.Control("lblTotalPhys"));
    EXPECT_EQ(total.substr(total.size() - 3), " MB");
    EXPECT_EQ(Text(app->sysInfo.Control("lblMemoryLoad")).back(), '%');
    // The value labels grew with their text.
    const RECT rect = RectIn(app->sysInfo.Control("lblTotalPhys"), app->sysInfo.hwnd());
    EXPECT_GT(rect.right - rect.left, TwipsToPixels(90, app->host.dpi()));
    test::ExpectCaptionsFit(app->sysInfo.hwnd());

    SendMessageA(app->sysInfo.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(app->sysInfo.IsLoaded());
    EXPECT_FALSE(app->about.IsLoaded());
}

}  // namespace
}  // namespace sd
