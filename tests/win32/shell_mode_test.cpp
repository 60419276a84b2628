// Shell mode in-process: the main window at Large Fonts, the start, the switch run, the Exit dialog.
#include <gtest/gtest.h>

#include "app_fixture.h"

namespace sd {
namespace {

// The picture is drawn in pixels: at Large Fonts (120 DPI) the window keeps the picture's size,
// so nothing of it is left unpainted, and the buttons light up where they are drawn.
TEST(MainWindowAt120Dpi, KeepsThePicturesSizeAndItsButtons) {
    test::AppFixture f;
    f.Load("", 120);
    const HWND main = f.app->main.hwnd();
    RECT client, window;
    GetClientRect(main, &client);
    GetWindowRect(main, &window);
    EXPECT_EQ(client.right, 228);
    EXPECT_EQ(client.bottom, 68);
    EXPECT_EQ(window.left, 8);  // 100 twips at 120 DPI
    SendMessageA(main, WM_MOUSEMOVE, 0, MAKELPARAM(200, 6));  // over minimize, then over close
    SendMessageA(main, WM_MOUSEMOVE, 0, MAKELPARAM(215, 6));
    EXPECT_TRUE(f.app->main.CloseHighlighted());
    EXPECT_FALSE(f.app->main.MinimizeHighlighted());
}

// On a desktop without Explorer (Wine's bare virtual desktop here, as in shell mode), the
// minimized window is a bar that real clicks reach: a click brings the window back, a right
// press opens the shell menu (About is chosen in it by keys that come once it is up).
TEST(MainWindow, ItsMinimizedBarAnswersAClickAndARightClick) {
    test::AppFixture f;
    f.LoadShell();
    const HWND main = f.app->main.hwnd();
    auto click = [&](DWORD down, DWORD up, auto done) {
        f.app->main.imgMinimize_Click();
        RECT bar;
        GetWindowRect(main, &bar);
        ASSERT_TRUE(IsIconic(main));
        SetCursorPos((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = down;
        input[1].mi.dwFlags = up;
        SendInput(2, input, sizeof(INPUT));
        for (DWORD start = GetTickCount(); !done() && GetTickCount() - start < 5000;) f.Pump();
    };
    click(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, [&] { return !IsIconic(main); });
    EXPECT_FALSE(IsIconic(main));
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR timer, DWORD) CALLBACK {
        KillTimer(nullptr, timer);
        for (int key : {VK_UP, VK_UP, VK_UP, VK_RETURN}) PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
    });
    click(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, [&] { return f.app->about.IsLoaded(); });
    EXPECT_TRUE(f.app->about.IsLoaded());
}

// A start counts as unfinished until the settle timer fires.
TEST(ShellStart, TheSettleTimerClearsTheUnfinishedStartCount) {
    test::AppFixture f;
    f.Load("");
    EXPECT_EQ(f.platform.ReadSetting("UnfinishedShellStarts"), "1");
    EXPECT_TRUE(KillTimer(f.app->main.hwnd(), kStartSettledTimer));  // and fired here instead
    SendMessageA(f.app->main.hwnd(), WM_TIMER, kStartSettledTimer, 0);
    EXPECT_EQ(f.platform.ReadSetting("UnfinishedShellStarts"), "0");
}

// A switch run whose switch did not take (system.ini is missing) ends without a log-off.
TEST(SwitchRun, EndsWithoutALogOffWhenTheSwitchDoesNotTake) {
    test::AppFixture f;
    DeleteFileA(f.folder.File("system.ini").c_str());
    f.platform.WriteSetting("DisableSwitchMessage", "1");
    f.Load("switch");
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{"Message SwiftDash", "ServiceProcess 0", "EndProcess"}));
}

// Safe Mode hands the session to Explorer at once: no start counted, system.ini untouched.
TEST(ShellStart, InSafeModeStartsExplorerAndEnds) {
    test::AppFixture f;
    f.platform.safeMode = true;
    f.Load("");
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{"Start explorer.exe", "ServiceProcess 0", "EndProcess"}));
    EXPECT_EQ(f.folder.Read("system.ini"), "[boot]\r\nshell=Explorer.exe\r\n");
    EXPECT_EQ(f.platform.ReadSetting("UnfinishedShellStarts"), "");
}

struct ExitDialog : ::testing::Test, test::AppFixture {
    ExitDialog() {
        LoadShell();
        app->exit.Show();
    }
    HWND Control(ExitControl name) { return app->exit.Control(name); }
    void Notify(ExitControl name, WORD code) {
        SendMessageA(app->exit.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Control(name)), code),
                     reinterpret_cast<LPARAM>(Control(name)));
    }
};

// Enter on the opening selection is proven through the real exe, the commands' steps on the
// host; here OK runs the selected option's command, a command that stops short closes the
// dialog, and a double-click on an option does what OK does.
TEST_F(ExitDialog, OkRunsTheSelectedOptionsCommand) {
    const std::string quit[] = {"ServiceProcess 0", "EndProcess"};
    const struct { ExitControl option; MsgAnswer answer; const char* shell; std::vector<std::string> log; } cases[] = {
        {ExitControl::optCloseSwiftDash, MsgAnswer::No, "Explorer.exe", {"Message SwiftDash"}},  // asked: no more
        {ExitControl::optRestartInSwiftDashMode, MsgAnswer::Yes, "SWIFTD~1", {"Reboot", quit[0], quit[1]}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shell);
        folder.Write("system.ini", "[boot]\r\nshell=Explorer.exe\r\n");
        platform.log.clear();
        platform.answers = {c.answer};
        app->exit.Show();  // a No closes it
        SendMessageA(Control(c.option), BM_CLICK, 0, 0);
        Notify(ExitControl::cmdOK, BN_CLICKED);
        EXPECT_EQ(folder.Read("system.ini"), std::string("[boot]\r\nshell=") + c.shell + "\r\n");
        EXPECT_EQ(platform.log, c.log);
    }
    platform.log.clear();
    Notify(ExitControl::optRestart, BN_DOUBLECLICKED);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"Reboot", quit[0], quit[1]}));
}

TEST_F(ExitDialog, CaptionsFitAndCancelCloseBoxAndEscapeChangeNothing) {
    test::ExpectCaptionsFit(app->exit.hwnd());
    EXPECT_FALSE(IsWindowEnabled(app->main.hwnd()));  // behind the dialog
    SendMessageA(app->exit.hwnd(), WM_COMMAND, IDCANCEL, 0);  // what Esc sends: no button answers it
    EXPECT_TRUE(app->exit.IsLoaded());
    Notify(ExitControl::cmdCancel, BN_CLICKED);
    EXPECT_FALSE(app->exit.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(app->main.hwnd()));
    app->exit.Show();
    SendMessageA(app->exit.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(app->exit.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(app->main.hwnd()));
    EXPECT_TRUE(platform.log.empty());
    EXPECT_EQ(folder.Read("system.ini"), "[boot]\r\nshell=Explorer.exe\r\n");
}

}  // namespace
}  // namespace sd
