// The Exit dialog: its controls from the table, and what each choice does.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "captions_fit.h"
#include "session/frm_exit_controls.h"

namespace sd {
namespace {

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

TEST_F(ExitDialog, OpensWithReturnToWindowsSelectedOkInFocusAndEveryCaptionShown) {
    EXPECT_EQ(SendMessageA(Control("optLogoffWindows"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetFocus(), Control("cmdOK"));
    EXPECT_EQ(LOWORD(SendMessageA(app->exit.hwnd(), DM_GETDEFID, 0, 0)), GetDlgCtrlID(Control("cmdOK")));
    test::ExpectCaptionsFit(app->exit.hwnd());
}

TEST_F(ExitDialog, OkRunsTheSelectedOptionsCommandAndADoubleClickSelectsAndRuns) {
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
    SendMessageA(app->exit.hwnd(), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(Control("optRestart")), BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(Control("optRestart")));
    EXPECT_EQ(platform.log, (std::vector<std::string>{"EndSession 2", "ServiceProcess 0", "EndProcess"}));
}

TEST_F(ExitDialog, CancelCloseBoxAndEscape) {
    HWND dialog = app->exit.hwnd();
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
