// The main window in-process, in shell mode and tray mode: the starts, close requests, the Exit dialog.
#include "app_fixture.h"

namespace sd {
namespace {

// At Large Fonts the window keeps its picture's size in pixels, lighting the buttons where they
// are drawn. Without Explorer (as on Wine's bare desktop) the minimized window is a bar that real
// clicks reach: a click restores it, a right press opens the shell menu (About chosen by keys).
TEST(MainWindow, KeepsItsSizeAtLargeFontsAndItsMinimizedBarAnswersClicks) {
    test::AppFixture f;
    f.Load("", 120);
    const HWND main = f.app->main.hwnd();
    RECT client, window;
    GetClientRect(main, &client);
    GetWindowRect(main, &window);
    EXPECT_EQ(client.right, 228);
    EXPECT_EQ(client.bottom, 68);
    EXPECT_EQ(window.left, 8);  // 100 twips
    SendMessageA(main, WM_MOUSEMOVE, 0, MAKELPARAM(200, 6));  // over minimize, then over close
    SendMessageA(main, WM_MOUSEMOVE, 0, MAKELPARAM(215, 6));
    EXPECT_TRUE(f.app->main.CloseHighlighted());
    EXPECT_FALSE(f.app->main.MinimizeHighlighted());
    auto click = [&](DWORD down, DWORD up, auto done) {
        f.app->main.imgMinimize_Click();
        GetWindowRect(main, &window);
        SetCursorPos((window.left + window.right) / 2, (window.top + window.bottom) / 2);
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

// Shift held skips the start-up list; the settle timer clears the start's count. Safe Mode hands
// over to Explorer, counting no start; a switch run that did not take (no system.ini) ends, no log-off.
TEST(Starts, RunTheStartUpListUnlessShiftIsHeldAndEndWhereTheyCannotGoOn) {
    const struct { const char* arguments; bool shift, safeMode, ini; test::Log log; bool counted; } cases[] = {
        {"", false, false, true, {"AnnounceShell", "Start [C:\\x.exe] C:\\x.exe", "ServiceProcess 1"}, true},
        {"", true, false, true, {"AnnounceShell", "ServiceProcess 1"}, true},
        {"", false, true, true, {"Start explorer.exe", "ServiceProcess 0", "EndProcess"}, false},
        {"switch", false, false, false, {"Message SwiftDash", "ServiceProcess 0", "EndProcess"}, false},
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
        EXPECT_EQ(f.Read("system.ini"), c.ini ? test::kIni : "");
        EXPECT_EQ(f.platform.ReadSetting("UnfinishedShellStarts"), c.counted ? "1" : "");
        if (!c.counted) continue;
        EXPECT_TRUE(KillTimer(f.app->main.hwnd(), kStartSettledTimer));  // and fired here instead
        SendMessageA(f.app->main.hwnd(), WM_TIMER, kStartSettledTimer, 0);
        EXPECT_EQ(f.platform.ReadSetting("UnfinishedShellStarts"), "0");
    }
}

// A shell menu left with no entry runs nothing; Esc closes About. Then a task killer's close
// request to every top-level window: the main window answers with the Exit dialog, as its close
// button does; the dialogs' hidden owner and the menus' host ignore theirs; the dialogs close; the
// program lives on. Another program's log-off ends it, and clears the count of unfinished starts.
TEST(CloseRequests, CloseTheDialogsOnlyAndALogOffEndsTheProgram) {
    test::AppFixture f;
    f.LoadQuietly();
    PostMessageA(f.app->main.hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);  // read by the menu loop
    f.app->menu.ShowShellMenu();
    f.app->about.Show();
    f.Press(VK_ESCAPE);
    ASSERT_FALSE(f.app->about.IsLoaded());
    f.app->sysInfo.Show();  // its figures come with the first tick, and its labels grow with them
    f.PumpUntil([&] { return test::WindowText(f.app->sysInfo.Control(SysInfoControl::lblTotalPhys)) != "0"; });
    f.app->about.Show();
    f.app->options.Show();
    for (HWND window : {f.app->sysInfo.hwnd(), f.app->about.hwnd(), f.app->options.hwnd()})
        test::ExpectCaptionsFit(window);
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) CALLBACK -> BOOL {
        return PostMessageA(window, WM_CLOSE, 0, 0);
    }, 0);
    f.Pump();
    EXPECT_FALSE(f.app->options.IsLoaded());
    EXPECT_FALSE(f.app->about.IsLoaded());
    EXPECT_FALSE(f.app->sysInfo.IsLoaded());
    ASSERT_TRUE(f.app->exit.IsLoaded());
    for (HWND lives : {f.app->main.hwnd(), f.app->host.hiddenOwner(), f.app->menu.hwnd()}) EXPECT_TRUE(IsWindow(lives));
    SendMessageA(f.app->exit.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(f.app->exit.IsLoaded());
    SendMessageA(f.app->main.hwnd(), WM_QUERYENDSESSION, 0, 0);
    SendMessageA(f.app->main.hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(f.platform.log, (test::Log{"ServiceProcess 0", "EndProcess"}));
    EXPECT_EQ(f.platform.ReadSetting("UnfinishedShellStarts"), "0");
}

// Only a double-click on the icon asks. A rebuilt notification area gets the icon again, in tray
// mode only. A close request to the hidden main window (Windows 95/98's Close Program list), and
// the tray menu's Close, quit with the icon removed, ending no session.
TEST(TrayMode, TheIconAsksOnADoubleClickComesBackAfterARebuildAndGoesWithACloseRequest) {
    test::AppFixture f;
    f.LoadQuietly("tray");
    f.platform.answers = {MsgAnswer::No};
    // What the notification area sends for a double-click and a right release on the icon.
    for (UINT mouse : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_RBUTTONUP})
        SendMessageA(f.app->main.iconPic(), kTrayCallbackMessage, kTrayIconId, mouse);
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    SendMessageA(f.app->main.hwnd(), taskbarCreated, 0, 0);
    SendMessageA(f.app->main.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(f.platform.log,
              (test::Log{"Message SwiftDash", "TrayAdd 1", "TrayDelete 1", "ServiceProcess 0", "EndProcess"}));
    f.LoadQuietly("tray");
    for (WPARAM key : {VK_UP, VK_RETURN}) PostMessageA(f.app->main.hwnd(), WM_KEYDOWN, key, 1);  // read by the menu
    f.app->menu.ShowTrayMenu();  // its Close
    EXPECT_EQ(f.platform.log, (test::Log{"TrayDelete 1", "ServiceProcess 0", "EndProcess"}));
    f.LoadQuietly();
    SendMessageA(f.app->main.hwnd(), taskbarCreated, 0, 0);
    EXPECT_TRUE(f.platform.log.empty());
}

// The keyboard reaches every option; Esc, which no button answers, leaves the dialog up; Cancel
// closes it and gives the main window back. Then which command each option runs (by a double-click,
// which does what OK does), told apart by the session end and the shell (their steps are tested on
// the host); a command that stops short (Close answered No) closes the dialog.
TEST(ExitDialog, TheKeysWalkTheOptionsCancelChangesNothingAndEachOptionRunsItsCommand) {
    test::AppFixture f;
    f.LoadQuietly();
    f.app->exit.Show();
    const auto click = [&](ExitControl name) { SendMessageA(f.app->exit.Control(name), BM_CLICK, 0, 0); };
    EXPECT_FALSE(IsWindowEnabled(f.app->main.hwnd()));
    std::vector<HWND> options;
    for (const ExitChoice& choice : kExitChoices) options.push_back(f.app->exit.Control(choice.option));
    test::ExpectCaptionsFit(f.app->exit.hwnd());
    f.ExpectKeyboardWalk(options);
    f.Press(VK_ESCAPE);
    EXPECT_TRUE(f.app->exit.IsLoaded());
    click(ExitControl::cmdCancel);
    EXPECT_FALSE(f.app->exit.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(f.app->main.hwnd()));
    EXPECT_TRUE(f.platform.log.empty());

    const struct { ExitControl option; const char* first; const char* shell; } cases[] = {
        {ExitControl::optLogoffWindows, "LogOff", "explorer.exe"},
        {ExitControl::optShutDown, "ShutDown", "explorer.exe"},
        {ExitControl::optRestart, "Reboot", "explorer.exe"},
        {ExitControl::optRestartInSwiftDashMode, "Reboot", "SWIFTD~1"},
        {ExitControl::optCloseSwiftDash, "Message SwiftDash", "x"},
    };
    f.app->exit.Show();
    for (const auto& c : cases) {
        f.Write("system.ini", "[boot]\r\nshell=x\r\n");
        f.platform.log.clear();
        f.platform.answers = {MsgAnswer::No};
        SendMessageA(f.app->exit.hwnd(), WM_COMMAND, MAKEWPARAM(ControlId(IndexOf(c.option)), BN_DOUBLECLICKED), 0);
        EXPECT_EQ(f.platform.log.at(0), c.first) << IndexOf(c.option);
        EXPECT_EQ(f.Read("system.ini"), std::string("[boot]\r\nshell=") + c.shell + "\r\n") << IndexOf(c.option);
    }
    EXPECT_FALSE(f.app->exit.IsLoaded());
}

}  // namespace
}  // namespace sd
