// The start-up sequence in each run mode, with real windows and registry.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "ui/control_table.h"

namespace sd {
namespace {

// Closes the Options dialog from inside the load handler's own wait.
void CALLBACK CloseOptions(HWND, UINT, UINT_PTR id, DWORD) {
    if (HWND options = FindWindowA(nullptr, "Options")) {
        PostMessageA(options, WM_CLOSE, 0, 0);
        KillTimer(nullptr, id);
    }
}

const char kFirstRun[] =
    "It appears that you are running SwiftDash for the first time. Please set your options";

struct Startup : ::testing::Test, test::AppFixture {
    bool MainVisible() const { return IsWindowVisible(app->main.hwnd()); }
};

TEST_F(Startup, ShellModeFirstRunAsksForOptionsThenLeavesTheTaskList) {
    Load("");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kFirstRun);
    EXPECT_EQ(platform.messages[0].title, "SwiftDash");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::None);
    EXPECT_EQ(platform.ReadSetting("Version"), "130");
    EXPECT_TRUE(app->options.IsVisible());
    EXPECT_EQ(platform.log.back(), "ServiceProcess 1");

    EXPECT_TRUE(MainVisible());
    RECT rect;
    GetWindowRect(app->main.hwnd(), &rect);
    const int offset = TwipsToPixels(100, app->host.dpi());
    EXPECT_EQ(rect.left, offset);
    EXPECT_EQ(rect.top, offset);
    EXPECT_EQ(rect.right - rect.left, TwipsToPixels(3420, app->host.dpi()));
    EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(1020, app->host.dpi()));
    char caption[64] = {};
    GetWindowTextA(app->main.hwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "SwiftDash");
    EXPECT_EQ(GetWindowLongA(app->main.hwnd(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_EQ(app->program.vars.ProgramDir, folder.path());
    EXPECT_EQ(app->program.vars.ExeName, "SwiftDash");
    EXPECT_TRUE(app->program.vars.ShellMode);
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

TEST_F(Startup, WordsInAnotherCaseOnlyShowTheWindow) {
    Load("Tray");
    EXPECT_TRUE(MainVisible());
    EXPECT_TRUE(platform.log.empty());
    EXPECT_EQ(platform.ReadSetting("Version"), "");
}

TEST_F(Startup, TrayModeAddsTheIconHidesTheWindowAndChecksTheVersion) {
    Load("tray");
    EXPECT_FALSE(MainVisible());
    EXPECT_FALSE(app->program.vars.ShellMode);
    ASSERT_GE(platform.log.size(), 1u);
    EXPECT_EQ(platform.log[0], "TrayAdd 1 32769 SwiftDash tray icon");
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(app->program.iconPic, app->main.iconPic());
}

TEST_F(Startup, SwitchWritesItselfIntoSystemIniAndLogsOff) {
    Load("switch");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Welcome to Swiftdash");
    EXPECT_EQ(platform.ReadSetting("DisableSwitchMessage"), "1");
    EXPECT_EQ(folder.Read("system.ini"), "[boot]\r\nshell=SwiftDash\r\n");
    EXPECT_EQ(LogWithout("Message"),
              (std::vector<std::string>{"EndSession 0", "ServiceProcess 0", "EndProcess"}));
    EXPECT_FALSE(MainVisible());
}

TEST_F(Startup, OptionsRunEndsWhenTheDialogCloses) {
    SetTimer(nullptr, 0, 100, CloseOptions);
    Load("options");
    EXPECT_FALSE(app->options.IsVisible());
    EXPECT_EQ(platform.log, std::vector<std::string>{"EndProcess"});
    EXPECT_FALSE(MainVisible());
}

TEST_F(Startup, SessionEndedByWindowsEndsTheShell) {
    platform.WriteSetting("Version", "130");
    Load("");
    platform.log.clear();
    SendMessageA(app->main.hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(platform.log, (std::vector<std::string>{"ServiceProcess 0", "EndProcess"}));
}

}  // namespace
}  // namespace sd
