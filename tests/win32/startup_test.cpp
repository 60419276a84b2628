// The start-up sequence in each run mode, with real windows and registry.
#include <gtest/gtest.h>

#include <thread>

#include "app_fixture.h"

namespace sd {
namespace {

struct Startup : ::testing::Test, test::AppFixture {
    bool MainVisible() const { return IsWindowVisible(app->main.hwnd()); }
};

TEST_F(Startup, ShellModeFirstRunAsksForOptionsThenLeavesTheTaskList) {
    Load("");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "It appears that you are running SwiftDash for the first time. Please set your options");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.ReadSetting("Version"), "130");
    EXPECT_TRUE(app->options.IsVisible());
    EXPECT_EQ(platform.log.back(), "ServiceProcess 1");
    EXPECT_TRUE(MainVisible());
    EXPECT_EQ(app->program.vars.ProgramDir, folder.path());
}

TEST_F(Startup, LaterRunsStartTheStartUpItemsQuietly) {
    platform.WriteSetting("Version", "130");
    platform.WriteSetting("StartUpItem2", "C:\\GAMES\\GAME.exe");
    platform.WriteSetting("DoubleClickOnMainWindow", "3.5");
    Load("");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(app->options.IsVisible());
    EXPECT_EQ(platform.log, (std::vector<std::string>{"Start C:\\GAMES\\GAME.exe", "ServiceProcess 1"}));
    EXPECT_EQ(app->program.vars.DoubleClickAction, 4);
}

// The picture is drawn in pixels: at Large Fonts (120 DPI) the window keeps the picture's size,
// so nothing of it is left unpainted, and the buttons stay where they are drawn.
TEST_F(Startup, LargeFontsKeepTheWindowAtThePicturesSize) {
    platform.WriteSetting("Version", "130");
    Load("", 120);
    RECT client;
    GetClientRect(app->main.hwnd(), &client);
    EXPECT_EQ(client.right, 228);
    EXPECT_EQ(client.bottom, 68);
    RECT window;
    GetWindowRect(app->main.hwnd(), &window);
    EXPECT_EQ(window.left, 8);  // 100 twips at 120 DPI
    SendMessageA(app->main.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(215, 6));
    EXPECT_TRUE(app->main.CloseHighlighted());
}

TEST_F(Startup, SecondShellOrTrayInstanceEndsSilently) {
    for (const char* words : {"", "tray"}) {
        SCOPED_TRACE(words);
        platform.log.clear();
        platform.anotherInstance = true;
        Load(words);
        EXPECT_TRUE(platform.messages.empty());
        EXPECT_EQ(platform.log, (std::vector<std::string>{"ServiceProcess 0", "EndProcess"}));
        EXPECT_FALSE(MainVisible());
    }
}

TEST_F(Startup, TrayModeAddsTheIconHidesTheWindowAndChecksTheVersion) {
    Load("tray");
    EXPECT_FALSE(MainVisible());
    EXPECT_FALSE(app->program.vars.ShellMode);
    ASSERT_GE(platform.log.size(), 1u);
    EXPECT_EQ(platform.log[0], "TrayAdd 1 32769 SwiftDash tray icon");
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Startup, SwitchWritesItselfIntoSystemIniAndLogsOff) {
    Load("switch");
    EXPECT_EQ(platform.ReadSetting("DisableSwitchMessage"), "1");
    EXPECT_EQ(folder.Read("system.ini"), "[boot]\r\nshell=SwiftDash\r\n");
    EXPECT_EQ(LogWithout("Message"),
              (std::vector<std::string>{"EndSession 0", "ServiceProcess 0", "EndProcess"}));
    EXPECT_FALSE(MainVisible());
}

// A close sent from another thread or process is handled inside GetMessage, which does not
// return for it: the wait must still see the dialog gone.
TEST_F(Startup, OptionsRunEndsWhenTheDialogIsClosedFromOutside) {
    const DWORD self = GetCurrentThreadId();
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    bool hung = false;
    std::thread closer([&] {
        HWND options = nullptr;
        for (int i = 0; i < 500 && !(options = FindWindowA("SwiftDashOptions", "Options")); ++i) Sleep(20);
        SendMessageA(options, WM_CLOSE, 0, 0);
        hung = WaitForSingleObject(done, 5000) == WAIT_TIMEOUT;
        if (hung) PostThreadMessageA(self, WM_NULL, 0, 0);  // let a stuck wait go
    });
    Load("options");
    SetEvent(done);
    closer.join();
    CloseHandle(done);
    EXPECT_FALSE(hung);
    EXPECT_FALSE(app->options.IsLoaded());
    EXPECT_EQ(platform.log, std::vector<std::string>{"EndProcess"});
    EXPECT_FALSE(MainVisible());
}

TEST_F(Startup, SessionEndedByWindowsEndsTheShell) {
    LoadShell();
    SendMessageA(app->main.hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"ServiceProcess 0", "EndProcess"}));
}

}  // namespace
}  // namespace sd
