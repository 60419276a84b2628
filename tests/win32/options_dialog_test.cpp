// The Options dialog in-process: load, the option buttons, browse buttons, OK, Cancel, the keys.
#include <gtest/gtest.h>

#include "app_fixture.h"
#include "settings/frm_options_controls.h"
#include "ui/controls.h"

namespace sd {
namespace {

struct OptionsDialog : ::testing::Test, test::AppFixture {
    OptionsDialog() { LoadShell(); }
    frmOptions& dialog() { return app->options; }
    HWND Control(const char* name) { return dialog().Control(name); }
    std::string Text(const char* name) {
        char text[512] = {};
        GetWindowTextA(Control(name), text, sizeof text);
        return text;
    }
    bool Checked(const char* name) { return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(const char* name) { SendMessageA(Control(name), BM_CLICK, 0, 0); }
    // A key through the program's own message loop, with Ctrl and Shift held as asked.
    void Press(WPARAM key, bool ctrl = false, bool shift = false) {
        BYTE state[256] = {};
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) app->host.PumpMessage();
        state[VK_CONTROL] = state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    std::string Focused() {
        for (const ControlSpec& control : kOptionsControls)
            if (Control(control.name) == GetFocus()) return control.name;
        return "?";
    }
};

TEST_F(OptionsDialog, LoadsFromTheStoreAndTheRunningCopiesAndOkWritesThemBack) {
    platform.WriteSetting("StartUpItem1", "C:\\GAMES\\B.EXE");
    platform.WriteSetting("StartUpFolder", "C:\\Start");
    platform.WriteSetting("StartMenuFolder", "C:\\stored, not shown");
    ProgramState& vars = app->program.vars;
    vars.StartMenuFolderPath = "C:\\Menu";
    vars.ExplorerPathValue = "C:\\x.exe";
    vars.DoubleClickFile = "C:\\f.txt";
    const struct { int action; const char* selected; bool boxEnabled; const char* written; } cases[] = {
        {0, "optDC_DoNothing", false, "1"}, {1, "optDC_DoNothing", false, "1"},
        {4, "optDC_OpenOptionsDialog", false, "4"}, {5, "optDC_OpenFile", true, "5"},
        {7, nullptr, true, "7"}, {-2, nullptr, true, "-2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        vars.DoubleClickAction = c.action;
        dialog().Show();
        EXPECT_EQ(Text("txtStartUpItem(1)"), "C:\\GAMES\\B.EXE");
        EXPECT_EQ(Text("txtStartUpFolder"), "C:\\Start");
        EXPECT_EQ(Text("txtStartMenuFolder"), "C:\\Menu");
        EXPECT_EQ(Text("txtExplorerPath"), "C:\\x.exe");
        EXPECT_EQ(Text("txtDC_OpenFile"), "C:\\f.txt");
        for (const char* option : kDoubleClickOptions)
            EXPECT_EQ(Checked(option), c.selected && std::string(option) == c.selected) << option;
        EXPECT_EQ(IsWindowEnabled(Control("txtDC_OpenFile")) != 0, c.boxEnabled);
        EXPECT_EQ(IsWindowEnabled(Control("cmdDC_OpenFile_Browse")) != 0, c.boxEnabled);
        Click("OKButton");
        EXPECT_FALSE(dialog().IsLoaded());
        EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), c.written);
        EXPECT_EQ(platform.ReadSetting("StartMenuFolder"), "C:\\Menu");
        EXPECT_EQ(platform.ReadSetting("DesktopFolder"), "");
        EXPECT_EQ(platform.ReadSetting("DoubleClickOpenFile"), "C:\\f.txt");
        EXPECT_EQ(vars.DoubleClickAction, std::stoi(c.written));
    }
}

TEST_F(OptionsDialog, OptionClicksEditsCancelShowingAgainAndOk) {
    auto edit = [&] {
        Click("optDC_OpenFile");
        EXPECT_TRUE(IsWindowEnabled(Control("txtDC_OpenFile")));
        SetWindowTextA(Control("txtDC_OpenFile"), "C:\\kept.bat");
        Click("optDC_OpenOptionsDialog");  // one group, whatever the tab order
        EXPECT_FALSE(Checked("optDC_OpenFile"));
        EXPECT_FALSE(IsWindowEnabled(Control("txtDC_OpenFile")));
        SetWindowTextA(Control("txtStartUpItem(2)"), " C:\\a b.exe ");
        SetWindowTextA(Control("txtDesktopFolder"), "D:\\Desk");
    };
    for (bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "Cancel" : "OK");
        dialog().Show();
        EXPECT_EQ(Text("txtStartUpItem(2)"), "");
        edit();
        dialog().Show();  // brought forward, the edits intact
        EXPECT_EQ(Text("txtStartUpItem(2)"), " C:\\a b.exe ");
        Click(cancel ? "CancelButton" : "OKButton");
    }
    EXPECT_EQ(platform.ReadSetting("StartUpItem2"), " C:\\a b.exe ");
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "4");
    EXPECT_EQ(platform.ReadSetting("DoubleClickOpenFile"), "C:\\kept.bat");  // though disabled
    EXPECT_EQ(app->program.vars.DesktopFolderPath, "D:\\Desk");
    EXPECT_EQ(app->program.vars.DoubleClickFile, "C:\\kept.bat");
}

TEST_F(OptionsDialog, BrowseButtonsAskTheirDialogAndReplaceTheBoxOnlyWithAnAnswer) {
    app->program.vars.ExplorerPathValue = "C:\\old.exe";
    dialog().Show();
    const HBITMAP picture = reinterpret_cast<HBITMAP>(SendMessageA(Control("cmdBrowse"), BM_GETIMAGE, IMAGE_BITMAP, 0));
    for (const BrowseButton& browse : kBrowseButtons) {
        SCOPED_TRACE(browse.button);
        EXPECT_EQ(reinterpret_cast<HBITMAP>(SendMessageA(Control(browse.button), BM_GETIMAGE, IMAGE_BITMAP, 0)), picture);
        EnableWindow(Control(browse.button), TRUE);
        SetWindowTextA(Control(browse.textBox), "C:\\old.exe");
        platform.log.clear();
        platform.fileRequests.clear();
        Click(browse.button);  // cancelled
        EXPECT_EQ(Text(browse.textBox), "C:\\old.exe");
        platform.browseAnswers.push_back("C:\\new path\\chosen.exe");
        Click(browse.button);
        EXPECT_EQ(Text(browse.textBox), "C:\\new path\\chosen.exe");
        if (browse.folder) {
            EXPECT_EQ(platform.log[0], "BrowseForFolder Browse for Destination...");
            continue;
        }
        ASSERT_EQ(platform.fileRequests.size(), 2u);
        const BrowseFileRequest& asked = platform.fileRequests[0];
        EXPECT_EQ(asked.title, "Browse");
        EXPECT_EQ(asked.flags, 0x81804u);
        EXPECT_EQ(asked.filter, "Programs|*.exe; *.com; *.bat|All Files|*.*");
        EXPECT_EQ(asked.initialFile, "C:\\old.exe");
        EXPECT_EQ(asked.initialDir, "");
    }
    dialog().Unload();
    EXPECT_EQ(GetObjectType(picture), 0u) << "the picture outlived the dialog";
}

TEST_F(OptionsDialog, KeysVisitTheTabInFrontInTableOrderAndTurnTheTabs) {
    dialog().Show();
    SetFocus(Control("OKButton"));
    const std::vector<std::string> startUp = {
        "CancelButton", "Tab", "cmdBrowseStartUpItem(2)", "txtStartUpItem(2)", "cmdBrowseStartUpItem(1)",
        "txtStartUpItem(1)", "cmdBrowseStartUpItem(0)", "txtStartUpItem(0)", "txtStartUpFolder",
        "cmdBrowseDir(1)", "OKButton"};
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < startUp.size(); ++i) {
        Press(VK_TAB);
        visited.push_back(Focused());
    }
    EXPECT_EQ(visited, startUp);
    Press(VK_TAB, false, true);
    EXPECT_EQ(Focused(), "cmdBrowseDir(1)");

    Press(VK_TAB, true);
    EXPECT_TRUE(IsWindowVisible(Control("optDC_Minimize")));
    EXPECT_FALSE(IsWindowVisible(Control("txtStartUpItem(0)")));
    Press(VK_TAB, true, true);
    Press(VK_TAB, true, true);
    EXPECT_TRUE(IsWindowVisible(Control("txtExplorerPath")));
    EXPECT_FALSE(IsWindowVisible(Control("optDC_Minimize")));

    SetFocus(Control("txtExplorerPath"));
    Press(VK_ESCAPE);
    EXPECT_FALSE(dialog().IsLoaded());
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "");
    dialog().Show();
    SetFocus(Control("txtStartUpItem(0)"));
    Press(VK_RETURN);
    EXPECT_FALSE(dialog().IsLoaded());
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "1");
}

}  // namespace
}  // namespace sd
