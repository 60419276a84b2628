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

// The first switch explains itself; a missing system.ini is reported, and the run ends without
// a log-off.
TEST(SwitchRun, ExplainsItselfAndEndsWithoutALogOffWhenSystemIniIsMissing) {
    test::AppFixture f;
    DeleteFileA(f.folder.File("system.ini").c_str());
    f.Load("switch");
    EXPECT_EQ(f.platform.log, (std::vector<std::string>{"Message Welcome to Swiftdash", "Message SwiftDash",
                                                        "ServiceProcess 0", "EndProcess"}));
    EXPECT_EQ(f.platform.ReadSetting("DisableSwitchMessage"), "1");
    EXPECT_FALSE(std::filesystem::exists(f.folder.File("system.ini")));
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

// A read-only system.ini: every command that writes the shell line says so in one box naming
// the file and ends no session; only "Close SwiftDash" still quits, saying that Explorer is not
// back. The file keeps its bytes and nothing is left beside it.
TEST(SessionCommands, AShellLineThatCannotBeWrittenEndsNoSession) {
    const std::string quit[] = {"ServiceProcess 0", "EndProcess"};
    const struct { SessionCommandId id; std::vector<std::string> log; } cases[] = {
        {SessionCommandId::ReturnToWindows, {"Message SwiftDash"}},
        {SessionCommandId::RestartInSwiftDashMode, {"Message SwiftDash"}},
        {SessionCommandId::CloseSwiftDash, {"Message SwiftDash", "Message SwiftDash", "Message SwiftDash", quit[0], quit[1]}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(SessionCommandFor(c.id).name);
        test::TempFolder folder;
        test::TestPlatform platform;
        folder.Write("system.ini", "[boot]\r\nshell=SwiftDash\r\n");
        SetFileAttributesA(folder.File("system.ini").c_str(), FILE_ATTRIBUTE_READONLY);
        Program program{platform};
        program.vars.ProgramDir = folder.path;
        program.vars.ShellMode = true;
        EXPECT_EQ(RunSessionCommand(program, c.id), c.id == SessionCommandId::CloseSwiftDash);
        EXPECT_EQ(platform.log, c.log);
        const std::string& why = platform.messages[c.log.size() > 1 ? 1 : 0];
        EXPECT_NE(why.find(folder.File("system.ini") + " is read-only"), std::string::npos) << why;
        EXPECT_EQ(folder.Read("system.ini"), "[boot]\r\nshell=SwiftDash\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
    }
}

struct ExitDialog : ::testing::Test, test::AppFixture {
    ExitDialog() {
        LoadShell();
        app->exit.Show();
    }
    HWND Control(const char* name) { return app->exit.Control(name); }
    void Notify(const char* name, WORD code) {
        SendMessageA(app->exit.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Control(name)), code),
                     reinterpret_cast<LPARAM>(Control(name)));
    }
};

// Enter on the opening selection is proven through the real exe; this runs a chosen option's
// command for each shell-line choice and confirmation answer, and a double-click on an option
// takes OK's road.
TEST_F(ExitDialog, OkRunsTheSelectedOptionsCommand) {
    const std::string quit[] = {"ServiceProcess 0", "EndProcess"};
    const struct { const char* option; MsgAnswer answer; const char* shell; std::vector<std::string> log; } cases[] = {
        {"optCloseSwiftDash", MsgAnswer::No, "Explorer.exe", {"Message SwiftDash"}},  // asked: no more
        {"optCloseSwiftDash", MsgAnswer::Yes, "explorer.exe", {"Message SwiftDash", quit[0], quit[1]}},
        {"optRestartInSwiftDashMode", MsgAnswer::Yes, "SWIFTD~1", {"EndSession 2", quit[0], quit[1]}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shell);
        folder.Write("system.ini", "[boot]\r\nshell=Explorer.exe\r\n");
        platform.log.clear();
        platform.answers = {c.answer};
        app->exit.Show();  // a No closes it
        SendMessageA(Control(c.option), BM_CLICK, 0, 0);
        Notify("cmdOK", BN_CLICKED);
        EXPECT_EQ(folder.Read("system.ini"), std::string("[boot]\r\nshell=") + c.shell + "\r\n");
        EXPECT_EQ(platform.log, c.log);
    }
    platform.log.clear();
    Notify("optRestart", BN_DOUBLECLICKED);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"EndSession 2", quit[0], quit[1]}));
}

TEST_F(ExitDialog, CaptionsFitAndCancelCloseBoxAndEscapeChangeNothing) {
    test::ExpectCaptionsFit(app->exit.hwnd());
    EXPECT_FALSE(IsWindowEnabled(app->main.hwnd()));  // behind the dialog
    SendMessageA(app->exit.hwnd(), WM_COMMAND, IDCANCEL, 0);  // what Esc sends: no button answers it
    EXPECT_TRUE(app->exit.IsLoaded());
    Notify("cmdCancel", BN_CLICKED);
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
