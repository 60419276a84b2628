// The main window in shell mode: its button pictures, its buttons and the double-click actions.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace sd {
namespace {

struct MainWindow : ::testing::Test, test::AppFixture {
    MainWindow() { LoadShell(); }
    HWND main() const { return app->main.hwnd(); }
    void Send(UINT message, WPARAM buttons, int x, int y) {
        SendMessageA(main(), message, buttons, MAKELPARAM(x, y));
    }
    void Click(int x, int y) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        Send(WM_LBUTTONUP, 0, x, y);
    }
    // Pixel points inside the two buttons and on the background.
    static constexpr POINT kMinimize = {200, 6}, kClose = {215, 6}, kBackground = {60, 40};
};

TEST_F(MainWindow, AtMostOneButtonHighlightedAndBothNormalOverTheBackground) {
    const struct { POINT at; bool minimizeHot, closeHot; } moves[] = {
        {kMinimize, true, false}, {kClose, false, true}, {kBackground, false, false},
        {kClose, false, true},    {{300, 6}, false, true},  // straight out of the window
        {kMinimize, true, false},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(std::to_string(move.at.x) + "," + std::to_string(move.at.y));
        Send(WM_MOUSEMOVE, 0, move.at.x, move.at.y);
        EXPECT_EQ(app->main.MinimizeHighlighted(), move.minimizeHot);
        EXPECT_EQ(app->main.CloseHighlighted(), move.closeHot);
    }
    SendMessageA(main(), WM_ACTIVATE, WA_INACTIVE, 0);  // losing the focus
    EXPECT_FALSE(app->main.MinimizeHighlighted());
}

TEST_F(MainWindow, PressOnOneButtonReleasedElsewhereIsNoClick) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, kMinimize.x, kMinimize.y);
    Send(WM_LBUTTONUP, 0, kClose.x, kClose.y);
    EXPECT_FALSE(IsIconic(main()));
    EXPECT_FALSE(app->exit.IsLoaded());
}

TEST_F(MainWindow, OtherButtonsAndChordsDoNothing) {
    RECT before;
    GetWindowRect(main(), &before);
    Send(WM_MBUTTONDOWN, MK_MBUTTON, kBackground.x, kBackground.y);
    Send(WM_RBUTTONDOWN, MK_RBUTTON | MK_LBUTTON, kBackground.x, kBackground.y);
    Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, kBackground.x, kBackground.y);
    RECT after;
    GetWindowRect(main(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_TRUE(platform.log.empty());
}

TEST_F(MainWindow, DoubleClickOnTheBackgroundRunsTheConfiguredAction) {
    app->program.vars.DoubleClickAction = 5;
    app->program.vars.DoubleClickFile = "C:\\GAMES\\B.bat";
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, kClose.x, kClose.y);  // on a button: a click, not this
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, kBackground.x, kBackground.y);
    EXPECT_EQ(platform.log, std::vector<std::string>{"Start C:\\GAMES\\B.bat"});
    app->program.vars.DoubleClickAction = 4;
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, kBackground.x, kBackground.y);
    EXPECT_TRUE(app->options.IsVisible());
}

TEST_F(MainWindow, ACloseRequestFromTheSystemOpensTheExitDialog) {
    SendMessageA(main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(main()));
    EXPECT_TRUE(app->exit.IsLoaded());
}

}  // namespace
}  // namespace sd
