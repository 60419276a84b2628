// The main window in-process, in shell mode and tray mode: the starts, close requests, the Exit dialog.
#include "app_fixture.h"

namespace sd {
namespace {

using test::Log;

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
    f.LoadQuietly();
    const HWND main = f.app->main.hwnd();
    auto click = [&](DWORD down, DWORD up, auto done) {
        f.app->main.imgMinimize_Click();
        RECT bar;
        GetWindowRect(main, &bar);
        SetCursorPos((bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2);
        INPUT input[2] = {{INPUT_MOUSE, {.mi = {0, 0, 0, down, 0, 0}}}, {INPUT_MOUSE, {.mi = {0, 0, 0, up, 0, 0}}}};
        SendInput(2, input, sizeof(INPUT));
        f.PumpUntil(done);
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

// Shift held skips the start-up list. Safe Mode hands the session to Explorer at once, counting
// no start. A switch run whose switch did not take (no system.ini) ends without a log-off.
TEST(Starts, RunTheStartUpListUnlessShiftIsHeldAndEndWhereTheyCannotGoOn) {
    const struct { const char* arguments; bool shift, safeMode, ini; Log log; const char* count; } cases[] = {
        {"", false, false, true, {"AnnounceShell", "Start [C:\\x.exe] C:\\x.exe", "ServiceProcess 1"}, "1"},
        {"", true, false, true, {"AnnounceShell", "ServiceProcess 1"}, "1"},
        {"", false, true, true, {"Start explorer.exe", "ServiceProcess 0", "EndProcess"}, ""},
        {"switch", false, false, false, {"Message SwiftDash", "ServiceProcess 0", "EndProcess"}, ""},
    };
    for (const auto& c : cases) {
        test::AppFixture f;
        if (!c.ini) DeleteFileA(f.File("system.ini").c_str());
        f.platform.WriteSetting("StartUpItem0", "C:\\x.exe");
        f.platform.WriteSetting("DisableSwitchMessage", "1");
        f.platform.shiftDown = c.shift;
        f.platform.safeMode = c.safeMode;
        f.Load(c.arguments);
        EXPECT_EQ(f.platform.log, c.log);
        EXPECT_EQ(f.platform.ReadSetting("UnfinishedShellStarts"), c.count);
        EXPECT_EQ(f.Read("system.ini"), c.ini ? test::kIni : "");
    }
}

// A start counts as unfinished until the settle timer fires, or until another program's
// log-off ends the session, and this program with it.
TEST(Starts, TheSettleTimerOrALogOffClearsTheUnfinishedStartCount) {
    for (bool logOff : {false, true}) {
        test::AppFixture f;
        f.LoadQuietly();
        const HWND main = f.app->main.hwnd();
        if (logOff) {
            SendMessageA(main, WM_QUERYENDSESSION, 0, 0);
            SendMessageA(main, WM_ENDSESSION, TRUE, 0);
        } else {
            EXPECT_TRUE(KillTimer(main, kStartSettledTimer));  // and fired here instead
            SendMessageA(main, WM_TIMER, kStartSettledTimer, 0);
        }
        EXPECT_EQ(f.platform.ReadSetting("UnfinishedShellStarts"), "0") << logOff;
        EXPECT_EQ(f.platform.log, logOff ? Log({"ServiceProcess 0", "EndProcess"}) : Log());
    }
}

// A shell menu left with no entry runs nothing. Then what a task killer does: a close request to
// every top-level window. The main window answers with the Exit dialog, as its close button does;
// the dialogs' hidden owner and the menus' host ignore theirs; the dialogs close; the program lives on.
TEST(CloseRequests, CloseTheDialogsOnlyAndTheMainWindowAsksHowToExit) {
    test::AppFixture f;
    f.LoadQuietly();
    PostMessageA(f.app->main.hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);  // read by the menu loop
    f.app->menu.ShowShellMenu();
    f.app->options.Show();
    f.app->about.Show();
    test::ExpectCaptionsFit(f.app->about.hwnd());
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) CALLBACK -> BOOL {
        return PostMessageA(window, WM_CLOSE, 0, 0);
    }, 0);
    f.Pump();
    EXPECT_FALSE(f.app->options.IsLoaded());
    EXPECT_FALSE(f.app->about.IsLoaded());
    ASSERT_TRUE(f.app->exit.IsLoaded());
    for (HWND lives : {f.app->main.hwnd(), f.app->host.hiddenOwner(), f.app->menu.hwnd()}) EXPECT_TRUE(IsWindow(lives));
    SendMessageA(f.app->exit.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(f.app->exit.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(f.app->main.hwnd()));
    EXPECT_TRUE(f.platform.log.empty());
}

// Only a double-click on the icon asks. A rebuilt notification area has lost the icon: it is
// added again, in tray mode only. A close request to the hidden main window (Windows 95/98's
// Close Program list) quits with the icon removed, ending no session.
TEST(TrayMode, TheIconAsksOnADoubleClickComesBackAfterARebuildAndGoesWithACloseRequest) {
    test::AppFixture f;
    f.LoadQuietly("tray");
    f.platform.answers = {MsgAnswer::No};
    // What the notification area sends for a double-click and a right release on the icon.
    for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_RBUTTONUP})
        SendMessageA(f.app->main.iconPic(), kTrayCallbackMessage, kTrayIconId, mouse);
    // A real mouse move whose x is the double-click's number is no icon message.
    SendMessageA(f.app->main.iconPic(), WM_MOUSEMOVE, 0, MAKELPARAM(WM_LBUTTONDBLCLK, 0));
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    SendMessageA(f.app->main.hwnd(), taskbarCreated, 0, 0);
    SendMessageA(f.app->main.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(f.platform.log, (Log{"Message SwiftDash", "TrayAdd 1", "TrayDelete 1", "ServiceProcess 0", "EndProcess"}));
    f.LoadQuietly();
    SendMessageA(f.app->main.hwnd(), taskbarCreated, 0, 0);
    EXPECT_TRUE(f.platform.log.empty());
}

struct ExitDialog : ::testing::Test, test::AppFixture {
    ExitDialog() {
        LoadQuietly();
        app->exit.Show();
    }
    void Click(ExitControl name) { SendMessageA(app->exit.Control(name), BM_CLICK, 0, 0); }
};

// Which command each option runs, told apart by the session end it asks for and the shell it
// writes (their steps are tested on the host). A double-click on an option does what OK does;
// a command that stops short (Close answered No) closes the dialog.
TEST_F(ExitDialog, EachOptionRunsItsCommand) {
    const struct { ExitControl option; const char* first; const char* shell; } cases[] = {
        {ExitControl::optLogoffWindows, "LogOff", "explorer.exe"},
        {ExitControl::optShutDown, "ShutDown", "explorer.exe"},
        {ExitControl::optRestart, "Reboot", "explorer.exe"},
        {ExitControl::optRestartInSwiftDashMode, "Reboot", "SWIFTD~1"},
        {ExitControl::optCloseSwiftDash, "Message SwiftDash", "x"},
    };
    for (const auto& c : cases) {
        Write("system.ini", "[boot]\r\nshell=x\r\n");
        platform.log.clear();
        platform.answers = {MsgAnswer::No};
        Click(c.option);
        if (c.option == ExitControl::optRestart)
            SendMessageA(app->exit.hwnd(), WM_COMMAND, MAKEWPARAM(ControlId(IndexOf(c.option)), BN_DOUBLECLICKED), 0);
        else
            Click(ExitControl::cmdOK);
        EXPECT_EQ(platform.log.at(0), c.first) << IndexOf(c.option);
        EXPECT_EQ(Read("system.ini"), std::string("[boot]\r\nshell=") + c.shell + "\r\n") << IndexOf(c.option);
    }
    EXPECT_FALSE(app->exit.IsLoaded());
}

// Esc, which no button answers, leaves the dialog up; Cancel closes it and gives the main window back.
TEST_F(ExitDialog, CaptionsFitTheKeysWalkTheOptionsAndCancelChangesNothing) {
    test::ExpectCaptionsFit(app->exit.hwnd());
    EXPECT_FALSE(IsWindowEnabled(app->main.hwnd()));
    std::vector<HWND> options;
    for (const ExitChoice& choice : kExitChoices) options.push_back(app->exit.Control(choice.option));
    ExpectKeyboardWalk(options);
    Press(VK_ESCAPE);
    EXPECT_TRUE(app->exit.IsLoaded());
    Click(ExitControl::cmdCancel);
    EXPECT_FALSE(app->exit.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(app->main.hwnd()));
    EXPECT_TRUE(platform.log.empty());
    EXPECT_EQ(Read("system.ini"), test::kIni);
}

}  // namespace
}  // namespace sd
