// Shell mode in-process: the main window's buttons and its size at Large Fonts, and what each
// Exit dialog choice does.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "session/frm_exit_controls.h"

namespace sd {
namespace {

struct MainWindow : ::testing::Test, test::AppFixture {
    MainWindow() { LoadShell(); }
    HWND main() const { return app->main.hwnd(); }
    void Send(UINT message, WPARAM buttons, int x, int y) {
        SendMessageA(main(), message, buttons, MAKELPARAM(x, y));
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

TEST_F(MainWindow, APressReleasedElsewhereOtherButtonsAndChordsDoNothing) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, kMinimize.x, kMinimize.y);
    Send(WM_LBUTTONUP, 0, kClose.x, kClose.y);
    EXPECT_FALSE(IsIconic(main()));
    EXPECT_FALSE(app->exit.IsLoaded());
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

// The background's double-click actions are proven through the real exe; on a button it is a
// click and runs none of them.
TEST_F(MainWindow, DoubleClickOnAButtonIsNoDoubleClickAction) {
    app->program.vars.DoubleClickAction = 5;
    app->program.vars.DoubleClickFile = "C:\\GAMES\\B.bat";
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, kClose.x, kClose.y);
    EXPECT_TRUE(platform.log.empty());
}

// The picture is drawn in pixels: at Large Fonts (120 DPI) the window keeps the picture's size,
// so nothing of it is left unpainted, and the buttons stay where they are drawn.
TEST(MainWindowAt120Dpi, KeepsThePicturesSize) {
    test::AppFixture f;
    f.platform.WriteSetting("Version", "130");
    f.Load("", 120);
    RECT client;
    GetClientRect(f.app->main.hwnd(), &client);
    EXPECT_EQ(client.right, 228);
    EXPECT_EQ(client.bottom, 68);
    RECT window;
    GetWindowRect(f.app->main.hwnd(), &window);
    EXPECT_EQ(window.left, 8);  // 100 twips at 120 DPI
    SendMessageA(f.app->main.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(215, 6));
    EXPECT_TRUE(f.app->main.CloseHighlighted());
}

struct ExitDialog : ::testing::Test, test::AppFixture {
    ExitDialog() {
        LoadShell();
        app->exit.Show();
    }
    HWND Control(const char* name) { return app->exit.Control(name); }
    void Select(const char* option) {
        for (const ExitChoice& choice : kExitChoices)
            SendMessageA(Control(choice.option), BM_SETCHECK,
                         std::string(choice.option) == option ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    std::string Ini() { return folder.Read("system.ini"); }
};

// Enter on the opening selection and three of the options are proven through the real exe;
// this pins every option to its command, and a double-click on an option to OK's road.
TEST_F(ExitDialog, OkRunsTheSelectedOptionsCommand) {
    const struct { const char* option; const char* shell; const char* end; } cases[] = {
        {"optLogoffWindows", "explorer.exe", "EndSession 0"},
        {"optShutDown", "explorer.exe", "EndSession 1"},
        {"optRestart", "explorer.exe", "EndSession 2"},
        {"optRestartInSwiftDashMode", "SwiftDash", "EndSession 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        folder.Write("system.ini", "[boot]\r\nshell=Explorer.exe\r\n");
        platform.log.clear();
        Select(c.option);
        app->exit.cmdOK_Click();
        EXPECT_EQ(Ini(), std::string("[boot]\r\nshell=") + c.shell + "\r\n");
        EXPECT_EQ(platform.log, (std::vector<std::string>{c.end, "ServiceProcess 0", "EndProcess"}));
    }
    platform.log.clear();
    Select("optLogoffWindows");
    SendMessageA(app->exit.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Control("optRestart")), BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(Control("optRestart")));
    EXPECT_EQ(platform.log, (std::vector<std::string>{"EndSession 2", "ServiceProcess 0", "EndProcess"}));
}

TEST_F(ExitDialog, CaptionsFitAndCancelCloseBoxAndEscapeChangeNothing) {
    HWND dialog = app->exit.hwnd();
    test::ExpectCaptionsFit(dialog);
    SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // what Esc sends: no button answers it
    EXPECT_TRUE(app->exit.IsLoaded());
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Control("cmdCancel")), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control("cmdCancel")));
    EXPECT_FALSE(app->exit.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(app->main.hwnd()));
    app->exit.Show();
    SendMessageA(app->exit.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(app->exit.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(app->main.hwnd()));
    EXPECT_TRUE(platform.log.empty());
    EXPECT_EQ(Ini(), "[boot]\r\nshell=Explorer.exe\r\n");
}

}  // namespace
}  // namespace sd
