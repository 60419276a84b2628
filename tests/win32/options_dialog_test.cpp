// The Options dialog in-process: load, OK, the browse buttons, Tab, and the options run's wait.
#include <gtest/gtest.h>

#include <thread>

#include "app_fixture.h"
#include "settings/options_fields.h"

namespace sd {
namespace {

struct OptionsDialog : ::testing::Test, test::AppFixture {
    OptionsDialog() { LoadShell(); }
    HWND Control(OptionsControl name) { return app->options.Control(name); }
    bool Checked(OptionsControl name) { return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Click(OptionsControl name) { SendMessageA(Control(name), BM_CLICK, 0, 0); }
};

TEST_F(OptionsDialog, LoadSelectsTheActionsOptionAndOkWritesItsNumber) {
    // "Do nothing" is written as 1 whatever it was read from; an unknown action is kept.
    const struct { int action; OptionsControl selected; bool boxEnabled; const char* written; } cases[] = {
        {0, OptionsControl::optDC_DoNothing, false, "1"}, {7, OptionsControl::Count, true, "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        app->program.vars.DoubleClickAction = c.action;
        app->options.Show();
        for (const DoubleClickChoice& choice : kDoubleClickChoices)
            EXPECT_EQ(Checked(choice.option), choice.option == c.selected) << choice.number;
        EXPECT_EQ(IsWindowEnabled(Control(OptionsControl::txtDC_OpenFile)) != 0, c.boxEnabled);
        EXPECT_EQ(IsWindowEnabled(Control(OptionsControl::cmdDC_OpenFile_Browse)) != 0, c.boxEnabled);
        Click(OptionsControl::OKButton);
        EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), c.written);
    }
    app->options.Show();
    Click(OptionsControl::optDC_OpenFile);
    SetWindowTextA(Control(OptionsControl::txtDC_OpenFile), "C:\\kept.exe");
    Click(OptionsControl::optDC_OpenOptionsDialog);  // one group with the others, whatever the tab order
    EXPECT_FALSE(Checked(OptionsControl::optDC_OpenFile));
    EXPECT_FALSE(IsWindowEnabled(Control(OptionsControl::txtDC_OpenFile)));
    // Disabled, the browse button shows its picture on a white ground, which the system greys to
    // the folder's shape rather than to a grey square.
    const HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(Control(OptionsControl::cmdDC_OpenFile_Browse), BM_GETIMAGE, IMAGE_BITMAP, 0)));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    DeleteDC(dc);
    app->options.Show();  // only brought forward: the edits stay
    Click(OptionsControl::OKButton);
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "4");
    EXPECT_EQ(platform.ReadSetting("DoubleClickOpenFile"), "C:\\kept.exe");  // though disabled
    // The main window's double-click takes the new action and file at once.
    const auto doubleClick = [&] { SendMessageA(app->main.hwnd(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(40, 40)); };
    doubleClick();
    EXPECT_TRUE(app->options.IsVisible());
    Click(OptionsControl::optDC_OpenFile);
    Click(OptionsControl::OKButton);
    doubleClick();
    EXPECT_EQ(platform.log.back(), "Start [C:\\kept.exe] C:\\kept.exe");
}

// Each box shows what was stored. Ctrl+Tab shows its tab; its browse button asks its
// own dialog, and only an answer replaces the text; what is typed is stored exactly: a path
// past MAX_PATH, blanks, nothing, letters past ASCII. The buttons share one picture, freed
// with the dialog.
TEST_F(OptionsDialog, EachBoxShowsTheStoredTextTakesABrowsedAndATypedOneAndStoresIt) {
    const char* keys[] = {"StartUpItem0", "StartUpItem1", "StartUpItem2", "StartUpFolder",
                          "DoubleClickOpenFile", "StartMenuFolder", "DesktopFolder", "ExplorerPath"};
    std::string longPath = "C:\\";
    for (int i = 0; i < 24; ++i) longPath += "Long Folder\\";
    const std::string typed[] = {longPath + "gamex.exe", "  C:\\with blanks.exe ", "",
                                 "C:\\Caf\xe9 \xfc" "ber \xdf\xc4", "D:\\play.bat", " ", "C:\\Desktop", "C:\\x.exe"};
    for (const char* key : keys) platform.WriteSetting(key, std::string("C:\\was\\") + key);
    LoadShell();  // a start that reads them
    app->options.Show();
    Click(OptionsControl::optDC_OpenFile);  // its box takes text only then
    const LRESULT picture = SendMessageA(Control(OptionsControl::cmdBrowse), BM_GETIMAGE, IMAGE_BITMAP, 0);
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        SCOPED_TRACE(keys[i]);
        const BrowseButton& browse = kBrowseButtons[i];
        const HWND box = Control(browse.textBox);
        const std::string stored = std::string("C:\\was\\") + keys[i];
        EXPECT_EQ(test::WindowText(box), stored);
        for (int turns = 0; turns < 3 && !IsWindowVisible(box); ++turns) Press(VK_TAB, VK_CONTROL);
        EXPECT_TRUE(IsWindowVisible(box));
        EXPECT_EQ(SendMessageA(Control(browse.button), BM_GETIMAGE, IMAGE_BITMAP, 0), picture);
        platform.log.clear();
        Click(browse.button);  // cancelled
        EXPECT_EQ(test::WindowText(box), stored);
        platform.browseAnswers.push_back("C:\\new\\chosen.exe");
        Click(browse.button);
        EXPECT_EQ(test::WindowText(box), "C:\\new\\chosen.exe");
        // A program is looked for from the box's own text.
        EXPECT_EQ(platform.log[0], browse.folder ? "BrowseForFolder Browse for Destination..." : "BrowseForFile " + stored);
        SetFocus(box);
        SendMessageA(box, EM_SETSEL, 0, -1);
        PostMessageA(box, WM_CHAR, VK_BACK, 1);
        for (unsigned char c : typed[i]) PostMessageA(box, WM_CHAR, c, 1);
        Pump();
    }
    Press(VK_RETURN);
    EXPECT_FALSE(app->options.IsLoaded());
    for (std::size_t i = 0; i < std::size(keys); ++i) EXPECT_EQ(platform.ReadSetting(keys[i]), typed[i]) << keys[i];
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "5");
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(picture)), 0u) << "the picture outlived the dialog";
}

// With the StartUp tab shown, Tab goes round its controls and the ones beside the tab strip,
// never to a hidden control of another tab, and Shift+Tab goes back; Esc from there cancels.
TEST_F(OptionsDialog, TabGoesRoundTheTabInFrontOnly) {
    app->options.Show();
    test::ExpectCaptionsFit(app->options.hwnd());
    auto press = [&](bool shift) {
        Press(VK_TAB, shift ? VK_SHIFT : 0);
        return GetFocus();
    };
    std::vector<HWND> visited = {GetFocus()};
    for (HWND next = press(false); next != visited[0] && visited.size() < 40; next = press(false)) {
        EXPECT_TRUE(IsWindowVisible(next)) << test::WindowText(next);
        visited.push_back(next);
    }
    EXPECT_EQ(visited.size(), 11u);  // OK, Cancel, the tab strip and StartUp's eight boxes and buttons
    // A tip comes up under a pointer resting on a frame (at its left margin), with its text.
    RECT frame;
    GetWindowRect(Control(OptionsControl::fraStartUpPrograms), &frame);
    SetCursorPos(frame.left + 4, (frame.top + frame.bottom) / 2);
    for (DWORD start = GetTickCount(); !IsWindowVisible(app->options.Tooltip()) && GetTickCount() - start < 5000;)
        Pump();
    EXPECT_EQ(test::WindowText(app->options.Tooltip()), "Specify which programs SwiftDsh should open at start-up");
    EXPECT_EQ(press(true), visited.back());
    Press(VK_ESCAPE);  // cancels: nothing is stored
    EXPECT_FALSE(app->options.IsLoaded());
    EXPECT_EQ(platform.ReadSetting("DoubleClickOnMainWindow"), "");
}

// A close sent from another thread or process is handled inside GetMessage, which does not
// return for it: the wait must still see the dialog gone. A close request to the hidden main
// window (Windows 95/98's Close Program list) cancels the dialog.
TEST(OptionsRun, EndsWhenTheDialogOrTheMainWindowIsClosedFromOutside) {
    for (const char* closed : {"SwiftDashOptions", "SwiftDashMain"}) {
        SCOPED_TRACE(closed);
        test::AppFixture f;
        const DWORD self = GetCurrentThreadId();
        HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        bool hung = false;
        std::thread closer([&] {
            for (int i = 0; i < 500 && !FindWindowA("SwiftDashOptions", "Options"); ++i) Sleep(20);
            SendMessageA(FindWindowA(closed, nullptr), WM_CLOSE, 0, 0);
            hung = WaitForSingleObject(done, 5000) == WAIT_TIMEOUT;
            if (!hung) return;
            PostMessageA(FindWindowA("SwiftDashOptions", nullptr), WM_CLOSE, 0, 0);  // let a stuck wait go
            PostThreadMessageA(self, WM_NULL, 0, 0);
        });
        f.Load("options");
        SetEvent(done);
        closer.join();
        CloseHandle(done);
        EXPECT_FALSE(hung);
        EXPECT_FALSE(f.app->options.IsLoaded());
        EXPECT_EQ(f.platform.log, std::vector<std::string>{"EndProcess"});
        EXPECT_FALSE(IsWindowVisible(f.app->main.hwnd()));
    }
}

}  // namespace
}  // namespace sd
