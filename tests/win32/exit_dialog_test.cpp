// The Exit dialog: its controls from the table, and what each choice does.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "session/frm_exit_controls.h"
#include "ui/controls.h"

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

TEST_F(ExitDialog, ControlsStandWhereTheTableSaysInTabOrder) {
    HWND dialog = app->exit.hwnd();
    char text[64];
    GetWindowTextA(dialog, text, sizeof text);
    EXPECT_STREQ(text, "Exit SwiftDash");
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, TwipsToPixels(kExitClientWidthTwips, app->host.dpi()));
    EXPECT_EQ(client.bottom, TwipsToPixels(kExitClientHeightTwips, app->host.dpi()));
    EXPECT_EQ(GetWindowLongA(dialog, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);

    int lastTab = -1;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int index = GetDlgCtrlID(child) - kFirstControlId;
        ASSERT_GE(index, 0);
        const ControlSpec& control = kExitControls[index];
        SCOPED_TRACE(control.name);
        GetWindowTextA(child, text, sizeof text);
        EXPECT_STREQ(text, control.caption);
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        const RECT expected = ControlRect(kExitControls, index, app->host.dpi());
        EXPECT_TRUE(EqualRect(&rect, &expected));
        EXPECT_GE(control.tabIndex, lastTab);  // the z-order is the tab order
        lastTab = control.tabIndex;
    }
    EXPECT_EQ(SendMessageA(Control("optLogoffWindows"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetFocus(), Control("cmdOK"));
    EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), GetDlgCtrlID(Control("cmdOK")));
}

TEST_F(ExitDialog, EachOptionRunsItsCommandOnOkAndOnDoubleClick) {
    const struct { const char* option; const char* shell; const char* end; } cases[] = {
        {"optLogoffWindows", "explorer.exe", "EndSession 0"},
        {"optShutDown", "explorer.exe", "EndSession 1"},
        {"optRestart", "explorer.exe", "EndSession 2"},
        {"optRestartInSwiftDashMode", "SwiftDash", "EndSession 2"},
    };
    for (bool doubleClick : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.option) + (doubleClick ? " double-clicked" : " OK"));
            folder.Write("system.ini", "[boot]\r\nshell=Explorer.exe\r\n");
            platform.log.clear();
            app->exit.Show();
            if (doubleClick) {
                SendMessageA(app->exit.hwnd(), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(Control(c.option)), BN_DOUBLECLICKED),
                             reinterpret_cast<LPARAM>(Control(c.option)));
            } else {
                Select(c.option);
                app->exit.cmdOK_Click();
            }
            EXPECT_EQ(Ini(), std::string("[boot]\r\nshell=") + c.shell + "\r\n");
            EXPECT_EQ(platform.log, (std::vector<std::string>{c.end, "ServiceProcess 0", "EndProcess"}));
        }
    }
}

TEST_F(ExitDialog, CloseSwiftDashAskedNoUnloadsAndYesQuitsWithoutEndingTheSession) {
    for (bool doubleClick : {false, true}) {
        SCOPED_TRACE(doubleClick ? "double-click" : "OK");
        app->exit.Show();
        platform.answers.push_back(MsgAnswer::No);
        if (doubleClick) {
            app->exit.Option_DblClick(ControlIndex(kExitControls, "optCloseSwiftDash"));
        } else {
            Select("optCloseSwiftDash");
            app->exit.cmdOK_Click();
        }
        EXPECT_FALSE(app->exit.IsLoaded());
        EXPECT_TRUE(IsWindowEnabled(app->main.hwnd()));
        EXPECT_EQ(Ini(), "[boot]\r\nshell=Explorer.exe\r\n");
        EXPECT_EQ(platform.messages.back().text, "Are you sure you want to close SwiftDash?");
        EXPECT_EQ(platform.messages.back().buttons, MsgButtons::YesNo);
    }
    platform.log.clear();
    app->exit.Show();
    Select("optCloseSwiftDash");
    app->exit.cmdOK_Click();  // answered Yes
    EXPECT_EQ(Ini(), "[boot]\r\nshell=explorer.exe\r\n");
    EXPECT_EQ(platform.log, (std::vector<std::string>{"Message SwiftDash", "ServiceProcess 0", "EndProcess"}));
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

TEST_F(ExitDialog, MissingSystemIniStillRestarts) {
    DeleteFileA(folder.File("system.ini").c_str());
    Select("optRestart");
    app->exit.cmdOK_Click();
    EXPECT_EQ(platform.log, (std::vector<std::string>{"Message SwiftDash", "EndSession 2",
                                                      "ServiceProcess 0", "EndProcess"}));
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Stop);
}

}  // namespace
}  // namespace sd
